// Runs every end-to-end case against the real program and reports one line per
// case, then "N passed, N failed", with ", N skipped" for cases this machine
// cannot make. Started by scripts/e2e inside a Wine virtual
// desktop, with the current directory as the scratch area.
//
// Usage: scriptgen_e2e_driver --payload DIR --log FILE --shots DIR [--only TEXT]
//                             [--windows VERSION]   (the Windows Wine reports, e.g. win98)
//                             [--theme NAME]        (the visual style turned on, e.g. light)
// --only TEXT[,TEXT...] runs the cases whose name holds one of the texts.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "E2eCases.h"
#include "Expect.h"

namespace {
struct Options {
    std::string payloadDirectory = "payload";
    std::string logPath = "e2e.log";
    std::string shotsDirectory = ".";
    std::string only;  // runs only the cases whose name holds one of these texts
    std::string windows;
    std::string theme;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--payload") options.payloadDirectory = value;
        if (name == "--log") options.logPath = value;
        if (name == "--shots") options.shotsDirectory = value;
        if (name == "--only") options.only = value;
        if (name == "--windows") options.windows = value;
        if (name == "--theme") options.theme = value;
    }
    return options;
}

class Report {
   public:
    explicit Report(const std::string& path) : log_(std::fopen(path.c_str(), "wb")) {}
    ~Report() {
        if (log_ != nullptr) std::fclose(log_);
    }
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    void line(const std::string& text) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        if (log_ != nullptr) {
            std::fprintf(log_, "%s\n", text.c_str());
            std::fflush(log_);
        }
    }

   private:
    std::FILE* log_;
};

// Whether the case's name holds one of the comma-separated texts.
bool namedIn(const char* name, const std::string& texts) {
    std::size_t start = 0;
    while (start <= texts.size()) {
        std::size_t end = texts.find(',', start);
        if (end == std::string::npos) end = texts.size();
        const std::string text = texts.substr(start, end - start);
        if (!text.empty() && std::strstr(name, text.c_str()) != nullptr) return true;
        start = end + 1;
    }
    return false;
}

std::vector<E2eCase> allCases() {
    std::vector<E2eCase> cases;
    for (auto group : {startUpCases, dialogCases, commandCases, aboutCases, writeFailureCases}) {
        for (const E2eCase& c : group()) cases.push_back(c);
    }
    return cases;
}

struct Outcome {
    enum Kind { kPassed, kFailed, kSkipped } kind;
    std::string reason;
};

Outcome runCase(const E2eCase& c, const CaseContext& context) {
    try {
        c.run(context);
        return {Outcome::kPassed, {}};
    } catch (const CaseSkipped& skipped) {
        return {Outcome::kSkipped, skipped.what()};
    } catch (const CaseFailure& failure) {
        return {Outcome::kFailed, failure.what()};
    } catch (const std::exception& error) {
        return {Outcome::kFailed, std::string("unexpected error: ") + error.what()};
    }
}

// The driver measures and reads the screen in physical pixels, as a test tool on
// Windows must since Vista: a DPI-unaware process sees every other window and
// pixel scaled to 96 DPI (Wine 10 does the same; Wine 8 scaled nothing). Per
// monitor v2 where Windows 10 1703 or Wine has it, else system awareness.
void becomeDpiAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (setContext == nullptr || !setContext(perMonitorV2)) SetProcessDPIAware();
}

// What the program finds, with the token it inherits from the driver: from
// Vista on whether that token is elevated, before it membership of the
// Administrators group.
bool programRunsAsAdministrator(bool beforeVista) {
    if (beforeVista) {
        BYTE sid[SECURITY_MAX_SID_SIZE];
        DWORD size = sizeof sid;
        BOOL member = FALSE;
        return CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size) &&
               CheckTokenMembership(nullptr, sid, &member) && member;
    }
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const bool elevated = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                          GetTokenInformation(token, TokenElevation, &elevation,
                                              sizeof elevation, &size) &&
                          elevation.TokenIsElevated != 0;
    if (token != nullptr) CloseHandle(token);
    return elevated;
}
}  // namespace

int main(int argc, char** argv) {
    becomeDpiAware();
    // Wine 10 gives the driver, started by the desktop's explorer, a console
    // window of its own (Wine 8 the terminal's console, without one), which
    // would stand on the screen under test and take the scripts' output: the
    // driver leaves it, and each script opens its own window, as on Windows.
    if (GetConsoleWindow() != nullptr) FreeConsole();
    const Options options = parseOptions(argc, argv);
    Report report(options.logPath);
    const std::string payload = options.payloadDirectory + "\\";
    CaseContext context{
        "",
        {payload + "ScriptGen.exe", payload + "rumo1.1a.exe", payload + "explorer.exe"},
        options.shotsDirectory,
        options.windows == "win95" || options.windows == "win98" || options.windows == "winme",
        !options.theme.empty()};
    for (const char* beforeVista :
         {"win95", "win98", "winme", "nt40", "win2k", "winxp", "win2003"}) {
        if (options.windows == beforeVista) context.programSeesLocalAppData = false;
    }
    if (!context.programSeesLocalAppData) hideLocalAppDataFromPrograms();
    context.programIsAdministrator = programRunsAsAdministrator(!context.programSeesLocalAppData);
    DWORD binaryType = 0;
    if (context.commandComLine && GetBinaryTypeA(context.payload.program.c_str(), &binaryType) &&
        binaryType == SCS_64BIT_BINARY) {
        placeInstallValueAlsoIn64BitView();
    }
    CPINFO codePage = {};
    const bool doubleByte = GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize == 2;
    int passed = 0, failed = 0, skipped = 0, number = 0;
    for (const E2eCase& c : allCases()) {
        ++number;
        if (!options.only.empty() && !namedIn(c.name, options.only)) continue;
        const ScriptLine line =
            context.commandComLine ? ScriptLine::kCommandComOnly : ScriptLine::kCmdOnly;
        if (c.line != ScriptLine::kEither && c.line != line) {
            report.line("SKIP " + std::string(c.name) + ": about the other interpreter's scripts");
            continue;
        }
        if (c.needsDoubleByteCodePage && !doubleByte) {
            report.line("SKIP " + std::string(c.name) + ": needs a double-byte code page");
            continue;
        }
        char directory[16];
        std::snprintf(directory, sizeof directory, "%02d-", number);
        context.name = directory + std::string(c.name);
        const Outcome outcome = runCase(c, context);
        switch (outcome.kind) {
            case Outcome::kPassed:
                ++passed;
                report.line("PASS " + std::string(c.name));
                break;
            case Outcome::kSkipped:
                ++skipped;
                report.line("SKIP " + std::string(c.name) + ": " + outcome.reason);
                break;
            case Outcome::kFailed:
                ++failed;
                report.line("FAIL " + std::string(c.name) + ": " + outcome.reason);
                break;
        }
    }
    report.line(std::to_string(passed) + " passed, " + std::to_string(failed) + " failed" +
                (skipped > 0 ? ", " + std::to_string(skipped) + " skipped" : ""));
    return failed == 0 && passed > 0 ? 0 : 1;
}
