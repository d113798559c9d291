#include "frontends/win32/control_tags.h"

#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {

constexpr const wchar_t* kNameProperty = L"Tavi.Name";
constexpr const wchar_t* kItemProperty = L"Tavi.Item";

struct Search {
  std::string name;
  int item;
  DWORD processId;
  HWND found = nullptr;
};

bool matches(HWND window, const Search& search) {
  const auto tag = windowTag(window);
  return tag && *tag == search.name && (search.item < 0 || windowItem(window) == search.item);
}

BOOL CALLBACK matchChild(HWND window, LPARAM state) {
  auto& search = *reinterpret_cast<Search*>(state);
  if (!matches(window, search)) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK matchTopLevel(HWND window, LPARAM state) {
  auto& search = *reinterpret_cast<Search*>(state);
  if (search.processId != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId) return TRUE;
  }
  return matchChild(window, state);
}

}  // namespace

void tagWindow(HWND window, std::string_view name, int item) {
  untagWindow(window);
  const ATOM atom = GlobalAddAtomW(widen(name).c_str());
  if (atom == 0) return;
  SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
  if (item >= 0) {
    SetPropW(window, kItemProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(item + 1)));
  }
}

void untagWindow(HWND window) {
  const auto atom =
      static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(window, kNameProperty)));
  if (atom != 0) GlobalDeleteAtom(atom);
  RemovePropW(window, kItemProperty);
}

std::optional<std::string> windowTag(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, kNameProperty)));
  if (atom == 0) return std::nullopt;
  wchar_t name[256];
  const UINT length = GlobalGetAtomNameW(atom, name, 256);
  if (length == 0) return std::nullopt;
  return narrow(std::wstring_view(name, length));
}

int windowItem(HWND window) {
  return static_cast<int>(reinterpret_cast<ULONG_PTR>(GetPropW(window, kItemProperty))) - 1;
}

HWND findTagged(HWND parent, std::string_view name, int item) {
  Search search{std::string(name), item, 0};
  EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findFormWindow(std::string_view formName, DWORD processId) {
  Search search{std::string(formName), -1, processId};
  EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tavi::frontends::win32
