// Small helpers for the standard controls of the forms: check boxes, radio
// groups, drop-down lists and date-time pickers, with GBK texts.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace mirevo::win32 {

void EnableItem(HWND dialog, int controlId, bool enabled);

bool IsChecked(HWND dialog, int controlId);
void SetChecked(HWND dialog, int controlId, bool checked);

// A radio group of consecutive ids firstId..lastId: the index of the checked
// button (0 for firstId), -1 when none is checked.
int RadioIndex(HWND dialog, int firstId, int lastId);
// Checks firstId + index and unchecks the others (index -1: none).
void SetRadioIndex(HWND dialog, int firstId, int lastId, int index);

// Drop-down lists.
bool AddComboItem(HWND combo, std::string_view gbkText);
// The selected index, -1 when none.
int ComboSelection(HWND combo);
// Selects index; -1 (or an index out of range) shows no selection.
void SetComboSelection(HWND combo, int index);

// Date-time pickers. nullopt when the picker shows no time (DTS_SHOWNONE)
// or is not a picker.
std::optional<SYSTEMTIME> PickerTime(HWND picker);
bool SetPickerTime(HWND picker, const SYSTEMTIME& time);
// A fixed display format (for example L"HH:mm" or L"yyyy-MM-dd") instead of
// the locale's, which may add seconds or AM/PM that the program never uses.
bool SetPickerFormat(HWND picker, const wchar_t* format);

}  // namespace mirevo::win32
