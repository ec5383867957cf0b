#include "platform/win32/win32_dialogs.h"

// After windows.h, which the header brings.
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "dialog/dialog_dispatch.h"
#include "platform/win32/win32_records.h"

namespace frost::win32 {
namespace {

// The controls that lie wholly outside the client area (the buttons that only give Enter and
// Escape their ids) can be neither seen nor clicked; Tab passes them by too, as on Linux,
// rather than moving the focus where nobody can see it.
void DropUnreachableTabStops(HWND dialog) {
  RECT client{};
  GetClientRect(dialog, &client);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
    RECT overlap{};
    if (!IntersectRect(&overlap, &place, &client)) {
      const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
      SetWindowLongPtrA(child, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
  }
}

// One running dialog: the procedure's view of its controls, from WM_INITDIALOG until
// DialogBoxParamA returns.
class Win32DialogView final : public DialogView {
 public:
  Win32DialogView(HINSTANCE instance, DialogProc proc) : instance_(instance), proc_(proc) {}
  Win32DialogView(const Win32DialogView&) = delete;
  Win32DialogView& operator=(const Win32DialogView&) = delete;

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void SetFocus(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) override;
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) override;
  TextEncoding Encoding() const override { return TextEncoding::SingleByte; }
  void AddComboEntry(int id, const std::string& text) override;
  int ComboCount(int id) override;
  void SetComboSelection(int id, int index) override;
  int ComboSelection(int id) override;
  MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon) override;
  std::optional<std::string> OpenFile(const FileOpenRequest& request) override;
  int RunChildDialog(DialogTemplate id, DialogProc proc) override;
  void EndDialog(int result) override;

 private:
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  INT_PTR Send(DialogMessageKind kind, int id);

  HINSTANCE instance_;
  DialogProc proc_;
  HWND window_ = nullptr;
  // Once the procedure has ended the dialog, the messages of its going away are not its
  // business (the GTK host sends none either).
  bool ended_ = false;
};

INT_PTR CALLBACK Win32DialogView::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  Win32DialogView* view = nullptr;
  if (message == WM_INITDIALOG) {
    view = reinterpret_cast<Win32DialogView*>(lParam);
    view->window_ = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(view));
    DropUnreachableTabStops(window);
  } else {
    view = reinterpret_cast<Win32DialogView*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) have no view yet.
  if (view == nullptr) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      // FALSE keeps the focus where the procedure put it; TRUE has the dialog manager focus
      // the first tab stop.
      return view->Send(DialogMessageKind::InitDialog, 0);
    case WM_COMMAND:
      // Enter arrives as IDOK (or the default button's id) and Escape as IDCANCEL, the
      // same ids as kEnterCommand and kEscapeCommand.
      return view->Send(DialogMessageKind::Command, LOWORD(wParam));
    case WM_CLOSE:
      return view->Send(DialogMessageKind::Close, 0);
    default:
      return FALSE;
  }
}

INT_PTR Win32DialogView::Send(DialogMessageKind kind, int id) {
  if (ended_) return FALSE;
  return SendDialogMessage(*this, proc_, kind, id) ? TRUE : FALSE;
}

void Win32DialogView::SetFocus(int id) {
  // Through the dialog manager rather than SetFocus, so that a push button taking the focus
  // also becomes the one Enter presses, as when the user tabs to it.
  if (HWND control = Control(id)) {
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }
}

void Win32DialogView::SetCheck(int id, bool checked) {
  CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogView::IsChecked(int id) {
  return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void Win32DialogView::Enable(int id, bool enabled) {
  if (HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

bool Win32DialogView::IsEnabled(int id) {
  HWND control = Control(id);
  return control != nullptr && IsWindowEnabled(control) != FALSE;
}

void Win32DialogView::SetText(int id, const std::string& text) {
  SetDlgItemTextA(window_, id, text.c_str());
}

std::string Win32DialogView::Text(int id) {
  HWND control = Control(id);
  if (control == nullptr) return {};
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const UINT copied = GetDlgItemTextA(window_, id, text.data(), length + 1);
  text.resize(copied);
  return text;
}

void Win32DialogView::AddComboEntry(int id, const std::string& text) {
  SendDlgItemMessageA(window_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Win32DialogView::ComboCount(int id) {
  if (Control(id) == nullptr) return 0;
  const LRESULT count = SendDlgItemMessageA(window_, id, CB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

void Win32DialogView::SetComboSelection(int id, int index) {
  // The list itself refuses an index past its end but may keep the old selection; the view
  // promises none.
  if (index < 0 || index >= ComboCount(id)) index = -1;
  SendDlgItemMessageA(window_, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32DialogView::ComboSelection(int id) {
  if (Control(id) == nullptr) return -1;
  const LRESULT selection = SendDlgItemMessageA(window_, id, CB_GETCURSEL, 0, 0);
  return selection >= 0 ? static_cast<int>(selection) : -1;
}

MessageAnswer Win32DialogView::MessageBox(const std::string& text, const std::string& caption,
                                          MessageButtons buttons, MessageIcon icon) {
  return MessageBoxAnswer(
      buttons, MessageBoxA(window_, text.c_str(), caption.c_str(), MessageBoxStyle(buttons, icon)));
}

std::optional<std::string> Win32DialogView::OpenFile(const FileOpenRequest& request) {
  // "Description\0Pattern\0\0": the dialog's list of filters.
  std::string filter = request.filterDescription;
  filter.push_back('\0');
  filter += request.filterPattern;
  filter.push_back('\0');
  filter.push_back('\0');
  // A choice longer than the buffer fails (FNERR_BUFFERTOOSMALL), as the caller wants.
  std::vector<char> path(std::max<std::size_t>(request.bufferSize, 1), '\0');

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = OpenFileFlags(request);
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(path.data());
}

int Win32DialogView::RunChildDialog(DialogTemplate id, DialogProc proc) {
  return RunResourceDialog(instance_, id, window_, proc);
}

void Win32DialogView::EndDialog(int result) {
  ended_ = true;
  ::EndDialog(window_, result);
}

}  // namespace

int RunResourceDialog(HINSTANCE instance, DialogTemplate id, HWND parent, DialogProc proc) {
  // A parent that names no window (a stale number on the command line) leaves the dialog
  // without an owner, rather than without a dialog.
  if (parent != nullptr && IsWindow(parent) == FALSE) parent = nullptr;
  Win32DialogView view(instance, proc);
  const INT_PTR result =
      DialogBoxParamA(instance, MAKEINTRESOURCEA(static_cast<int>(id)), parent,
                      Win32DialogView::Procedure, reinterpret_cast<LPARAM>(&view));
  return static_cast<int>(result);
}

void OpenWebAddress(const std::string& address) {
  const ShellOpenRequest request = WebAddressShellRequest();
  ShellExecuteA(nullptr, request.verb, address.c_str(), nullptr, nullptr, request.show);
}

}  // namespace frost::win32
