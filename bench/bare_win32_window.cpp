// The reference for the Windows programs' start-up: one empty window of the main window's
// size made with plain Win32, built like them (visual style included). With the argument "text"
// the window holds one line of text in the programs' font: what the least text costs. With
// "controls" it holds as many system controls of each kind as the editor's main window shows,
// in that font: what the controls alone cost.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

// The main window's controls: 60 buttons, 67 check boxes, 2 radio groups with 5 items,
// 7 fields, 5 scroll bars and 15 labels.
void addControls(HWND window, HINSTANCE instance, HFONT font) {
  struct Kind {
    const wchar_t* className;
    DWORD style;
    int count;
    int width;
  };
  const Kind kinds[] = {{L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 60, 90},
                        {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 67, 120},
                        {L"BUTTON", BS_GROUPBOX, 2, 120},
                        {L"BUTTON", BS_AUTORADIOBUTTON, 5, 60},
                        {L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 120},
                        {L"SCROLLBAR", SBS_HORZ, 5, 120},
                        {L"STATIC", SS_LEFT, 15, 100}};
  int placed = 0;
  for (const Kind& kind : kinds) {
    for (int i = 0; i < kind.count; ++i, ++placed) {
      HWND control =
          CreateWindowW(kind.className, L"Tavi Setting", WS_CHILD | WS_VISIBLE | kind.style,
                        8 + (placed / 38) * 128, 4 + (placed % 38) * 14, kind.width, 13, window,
                        nullptr, instance, nullptr);
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"BareWindow", L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 660, 560, nullptr, nullptr, instance, nullptr);
  HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  if (std::strcmp(commandLine, "text") == 0) {
    HWND line = CreateWindowW(L"STATIC", L"Tavi Setting", WS_CHILD | WS_VISIBLE, 16, 16, 200, 16,
                              window, nullptr, instance, nullptr);
    SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  } else if (std::strcmp(commandLine, "controls") == 0) {
    addControls(window, instance, font);
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
