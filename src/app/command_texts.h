// Message texts and captions that several commands of the main window share.
#pragma once

namespace mirevo {

inline constexpr char kSelectFirst[] = "请先选中一项";
inline constexpr char kImpossibleError[] = "出现了本不可能出现的错误";

inline constexpr char kAddCaption[] = "添加";
inline constexpr char kUpdateCaption[] = "更新";
inline constexpr char kEditCaption[] = "编辑";
inline constexpr char kFinishCaption[] = "完结";
inline constexpr char kDeleteCaption[] = "删除";
inline constexpr char kSearchCaption[] = "搜索";
inline constexpr char kExitCaption[] = "退出";

inline constexpr char kSaveQuestion[] = "数据似乎被修改过了,要在退出前保存一下吗?";

}  // namespace mirevo
