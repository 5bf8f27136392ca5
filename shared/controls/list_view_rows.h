#pragma once
// Report-view list controls filled with rows of text: columns sized as a share of the
// list's width, rows appended, read, selected and focused.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Column `index` at factor x the list's client width (truncated).
void AddListColumn(HWND list, int index, const std::string& text, double factor, int format = LVCFMT_LEFT);
// Column `index` at factor x a tenth of the list's window width (integer tenths, truncated);
// returns that width.
int AddTenthsColumn(HWND list, int index, const std::string& text, double factor);
// Widens column `index` to show its header and every row's text whole, never below minWidth.
void FitListColumn(HWND list, int index, int minWidth);
// Appends one row; returns its index, -1 when it could not be added.
int AppendListRow(HWND list, const std::vector<std::string>& texts);
std::string ListItemText(HWND list, int row, int column);
std::string ListColumnText(HWND list, int column);
int ListRowCount(HWND list);
// Selects and focuses one row (-1: none).
void SelectListRow(HWND list, int row);
// The focused row, -1 when none.
int FocusedListRow(HWND list);
// The selected row, -1 when none.
int SelectedListRow(HWND list);
