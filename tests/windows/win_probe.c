/* Reads what a person sees in another program's top-level window, for the tests that drive
 * the Windows build under Wine, whose controls have no X windows of their own to look at.
 *   win_probe.exe texts CAPTION    one line per control: id, class and text
 *   win_probe.exe centre CAPTION ID  the control's centre in screen pixels, "X Y"
 * Exit code 1 when no window has that caption, 2 when it has no such control. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static BOOL CALLBACK PrintControl(HWND control, LPARAM unused) {
  (void)unused;
  char className[64] = "";
  char text[512] = "";
  GetClassNameA(control, className, sizeof className);
  /* Asked of the control itself: GetWindowText does not ask another program's controls, and
   * an edit control keeps its text to itself. */
  SendMessageA(control, WM_GETTEXT, sizeof text, (LPARAM)text);
  /* One line per control: line breaks inside a text are written as \n. */
  printf("%d\t%s\t", GetDlgCtrlID(control), className);
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\n') {
      fputs("\\n", stdout);
    } else if (*c != '\r') {
      putchar(*c);
    }
  }
  putchar('\n');
  return TRUE;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: win_probe texts CAPTION | centre CAPTION ID\n");
    return 3;
  }
  HWND window = FindWindowA(NULL, argv[2]);
  if (window == NULL) return 1;
  if (strcmp(argv[1], "texts") == 0) {
    EnumChildWindows(window, PrintControl, 0);
    return 0;
  }
  if (strcmp(argv[1], "centre") == 0 && argc == 4) {
    HWND control = GetDlgItem(window, atoi(argv[3]));
    RECT rect;
    if (control == NULL || !GetWindowRect(control, &rect)) return 2;
    printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
  }
  return 3;
}
