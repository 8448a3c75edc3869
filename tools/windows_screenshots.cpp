// The pictures of the Windows documentation: runs VELDOR.exe and tovrin.exe from the program
// folder, opens each of their dialogs as a user would (the system-menu entry, the settings
// button, each tab, the Add button) and saves every dialog's window as a PNG.
//   windows_screenshots.exe PROGRAM_FOLDER OUTPUT_FOLDER
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <wincodec.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Search {
  DWORD process;
  const std::set<HWND>* known;
  HWND found;
};

// A visible top-level window of `process` that is not one of `known`, waited for.
HWND WaitForNewWindow(DWORD process, const std::set<HWND>& known) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    Search search{process, &known, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          ::GetWindowThreadProcessId(window, &owner);
          if (owner != s.process || !::IsWindowVisible(window) || s.known->count(window) != 0) {
            return TRUE;
          }
          s.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    ::Sleep(100);
  }
  return nullptr;
}

// The window's pixels as they are on the screen, saved as a PNG through WIC.
bool Capture(HWND window, const fs::path& file) {
  ::SetForegroundWindow(window);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::Sleep(500);
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const HDC screen = ::GetDC(nullptr);
  const HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);

  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  const UINT stride = static_cast<UINT>(width) * 4;
  const bool saved =
      SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
      SUCCEEDED(frame->SetPixelFormat(&format)) &&
      SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                   stride * static_cast<UINT>(height), static_cast<BYTE*>(bits))) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory}) {
    if (object != nullptr) object->Release();
  }
  ::DeleteObject(bitmap);
  std::wprintf(L"%ls %ls\n", saved ? L"wrote" : L"FAILED", file.c_str());
  return saved;
}

// Starts `program` and returns its process, with its main window in `window`.
PROCESS_INFORMATION Start(const fs::path& program, HWND& window) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + program.native() + L"\"";
  ::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   program.parent_path().c_str(), &startup, &process);
  window = WaitForNewWindow(process.dwProcessId, {});
  return process;
}

// The about box from the system-menu entry, captured and closed.
bool CaptureAbout(const PROCESS_INFORMATION& process, HWND main, const fs::path& file) {
  ::PostMessageW(main, WM_SYSCOMMAND, 16, 0);
  const HWND about = WaitForNewWindow(process.dwProcessId, {main});
  const bool saved = about != nullptr && Capture(about, file);
  if (about != nullptr) ::PostMessageW(about, WM_COMMAND, IDOK, 0);
  ::Sleep(300);
  return saved;
}

void Finish(const PROCESS_INFORMATION& process, HWND main) {
  ::PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fwprintf(stderr, L"usage: windows_screenshots.exe PROGRAM_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const fs::path program_folder = argv[1];
  const fs::path out = argv[2];
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool ok = true;

  HWND main = nullptr;
  PROCESS_INFORMATION veldor = Start(program_folder / L"VELDOR.exe", main);
  ok = main != nullptr && Capture(main, out / L"windows-veldor-main.png") &&
       CaptureAbout(veldor, main, out / L"windows-veldor-about.png");
  ::PostMessageW(::GetDlgItem(main, 1006), BM_CLICK, 0, 0);
  const HWND sheet = WaitForNewWindow(veldor.dwProcessId, {main});
  const wchar_t* pages[] = {L"basic", L"output", L"text1", L"text2"};
  for (int page = 0; ok && sheet != nullptr && page < 4; ++page) {
    ::SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
    ok = Capture(sheet, out / (std::wstring(L"windows-settings-") + pages[page] + L".png"));
  }
  if (sheet != nullptr) {
    const auto page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ::PostMessageW(::GetDlgItem(page, 1006), BM_CLICK, 0, 0);  // 追加(&A)
    const HWND input = WaitForNewWindow(veldor.dwProcessId, {main, sheet});
    ok = ok && input != nullptr && Capture(input, out / L"windows-settings-input.png");
    if (input != nullptr) ::PostMessageW(input, WM_COMMAND, IDCANCEL, 0);
    ::Sleep(300);
    ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ::Sleep(300);
  }
  ok = ok && sheet != nullptr;
  Finish(veldor, main);

  PROCESS_INFORMATION tovrin = Start(program_folder / L"template" / L"tovrin.exe", main);
  ok = ok && main != nullptr && Capture(main, out / L"windows-tovrin-main.png") &&
       CaptureAbout(tovrin, main, out / L"windows-tovrin-about.png");
  Finish(tovrin, main);
  ::CoUninitialize();
  return ok ? 0 : 1;
}
