/* A stand-in for the display panel's preview area: a top-level window whose client area is
 * WIDTH x HEIGHT. It prints its handle in decimal, as the panel passes it to "/p", and after
 * SECONDS destroys the window (taking the preview's child window with it) and exits.
 *   preview_host.exe WIDTH HEIGHT SECONDS */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: preview_host WIDTH HEIGHT SECONDS\n");
    return 2;
  }
  const int width = atoi(argv[1]);
  const int height = atoi(argv[2]);
  const int seconds = atoi(argv[3]);
  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
  windowClass.lpszClassName = "PreviewHost";
  if (!RegisterClassA(&windowClass)) return 1;
  RECT rect = {0, 0, width, height};
  AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowExA(0, "PreviewHost", "Preview host", WS_OVERLAPPEDWINDOW, 0, 0,
                                rect.right - rect.left, rect.bottom - rect.top, NULL, NULL,
                                windowClass.hInstance, NULL);
  if (window == NULL) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  printf("%llu\n", (unsigned long long)(UINT_PTR)window);
  fflush(stdout);
  SetTimer(window, 1, (UINT)seconds * 1000u, NULL);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
