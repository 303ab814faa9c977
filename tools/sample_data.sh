#!/usr/bin/env bash
# Writes a small sample data file (GBK bytes) to the path given, with times
# relative to now so that some works are due and some are not.
set -euo pipefail
out=${1:?usage: sample_data.sh PATH}

stamp() { date -d "$1" '+%Y-%m-%d %H:%M'; }
# 0 = Sunday, as the program counts weekdays.
today=$(date +%w)
yesterday=$(((today + 6) % 7))

{
  printf 'T=0;N=1;w=%d;t=23:30;n=星之彼方;v=5;s=3;d=%s;m=\r\n||第5集 于 %s 更新;p=;D=%s;k=;W=;c=0;' \
    "$yesterday" "$(stamp '8 days ago 23:45')" "$(stamp '8 days ago 23:45')" "$(stamp '1 day ago 23:45')"
  printf 'T=0;N=2;w=%d;t=01:05;n=晨曦的旅人;v=11;s=2;d=%s;m=;p=;D=%s;k=晨曦 旅人;W=;c=0;' \
    "$today" "$(stamp '6 days ago 01:20')" "$(stamp '1 day 01:20')"
  printf 'T=0;N=3;w=3;t=22:00;n=机械少女;v=2;s=1;d=%s;m=;p=;D=%s;k=;W=;c=0;' \
    "$(stamp '2 hours ago')" "$(stamp '7 days 2 hours ago')"
  printf 'T=1;N=4;w=1;t=;n=深海图书馆;v=37;s=3;d=%s;m=月刊;p=;D=Unknown;k=;W=;c=0;' \
    "$(stamp '20 days ago')"
  printf 'T=2;N=5;w=-1;t=;n=夏日余晖 OVA;v=1;s=0;d=%s;m=;p=;D=%s;k=;W=;c=0;' \
    "$(stamp '30 days ago')" "$(stamp '23 days ago')"
  printf 'T=3;N=6;w=4;t=21:00;n=东京食堂;v=8;s=2;d=%s;m=;p=;D=%s;k=;W=;c=0;' \
    "$(stamp '3 days ago 21:54')" "$(stamp '4 days 21:54')"
  printf 'T=13;N=7;w=5;t=22:00;n=古都物语;v=12;s=3;d=%s;m=全12集;p=;D=;k=;W=;c=0;' \
    "$(stamp '90 days ago')"
  printf 'T=25;N=8;w=-1;t=;n=新作 (未定档);v=0;s=0;d=;m=;p=;D=;k=;W=;c=0;'
} | iconv -f UTF-8 -t CP936 >"$out"
