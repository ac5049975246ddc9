#include "server.h"

#include <cstdio>

#include "host_object.h"

namespace standin::win {

namespace {

constexpr wchar_t kWindowClassName[] = L"StandinHostWindow";
constexpr UINT kDiedExitCode = 255;

std::string HexStatus(HRESULT status) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(status));
    return text;
}

void RegisterWindowClass() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = kWindowClassName;
    RegisterClassW(&windowClass);
}

} // namespace

Server::Server(Scenario scenario, std::wstring journalPath)
    : scenario_(std::move(scenario)), journalFile_(std::move(journalPath)), journal_(journalFile_), planner_(scenario_),
      factory_(*this) {}

int Server::Run() {
    journal_.ServerStart(GetCurrentProcessId());
    for (const ScenarioError& error : scenario_.errors)
        journal_.ScenarioError(error.line, error.reason);
    CreateWindows();
    HRESULT status =
        CoRegisterClassObject(kStandinHostClsid, &factory_, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &classCookie_);
    if (FAILED(status)) {
        journal_.ServerError("CoRegisterClassObject failed with " + HexStatus(status));
        journal_.ServerExit(0);
        return 1;
    }
    journal_.ServerReady();
    ServeUntilEnd();
    journal_.ServerExit(lifetime_.LiveObjects());
    RevokeClass();
    return 0;
}

void Server::CreateWindows() {
    if (scenario_.windows.empty())
        return;
    RegisterWindowClass();
    for (const ScenarioWindow& wanted : scenario_.windows) {
        std::wstring title = Utf8ToWide(wanted.title);
        HWND window = CreateWindowExW(0, kWindowClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 480, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window) {
            journal_.ServerError("window '" + wanted.title + "' not created, error " + std::to_string(GetLastError()));
            continue;
        }
        if (wanted.visible)
            ShowWindow(window, SW_SHOWNOACTIVATE);
        windows_.emplace_back(window);
    }
}

void Server::ServeUntilEnd() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        bool exitWaitOver =
            message.message == WM_TIMER && message.hwnd == nullptr && exitTimer_ != 0 && message.wParam == exitTimer_;
        if (exitWaitOver)
            return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Server::ObjectDestroyed(const IUnknown* object) {
    if (object == application_)
        application_ = nullptr;
    lifetime_.ObjectDestroyed();
    EndIfIdle();
}

void Server::LockServer(bool lock) {
    if (lock)
        lifetime_.Lock();
    else
        lifetime_.Unlock();
    EndIfIdle();
}

void Server::EndIfIdle() {
    if (lifetime_.CanEnd())
        PostQuitMessage(0);
}

void Server::RequestExit() {
    if (exitTimer_ == 0)
        exitTimer_ = SetTimer(nullptr, 0, scenario_.exitWaitMilliseconds, nullptr);
}

void Server::Die() {
    RevokeClass();
    TerminateProcess(GetCurrentProcess(), kDiedExitCode);
}

void Server::RevokeClass() {
    if (classCookie_ != 0)
        CoRevokeClassObject(classCookie_);
    classCookie_ = 0;
}

HRESULT STDMETHODCALLTYPE Server::ClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE Server::ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    // As a host that is already running answers its ProgID with its one application object.
    if (server_.application_)
        return server_.application_->QueryInterface(riid, object);
    const HRESULT status = CreateHostObject(server_, automation::Target::Application, riid, object);
    if (SUCCEEDED(status) && server_.scenario_.oneApplication)
        server_.application_ = static_cast<IUnknown*>(*object);
    return status;
}

HRESULT STDMETHODCALLTYPE Server::ClassFactory::LockServer(BOOL lock) {
    server_.LockServer(lock != FALSE);
    return S_OK;
}

Scenario LoadScenario() {
    return ParseScenario(ReadWholeFile(ExeDirectory() + kScenarioFileName).value_or(""));
}

std::wstring JournalPathFor(const Scenario& scenario) {
    if (!scenario.journalPath.empty())
        return Utf8ToWide(scenario.journalPath);
    return ExeDirectory() + kDefaultJournalFileName;
}

} // namespace standin::win
