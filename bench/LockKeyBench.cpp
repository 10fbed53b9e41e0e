// How soon Keystead puts Caps Lock back after an accidental press, seen from another
// program: this one, which owns the focused window and an edit box, as a user's editor would.
// It starts the real Keystead.exe with Caps Lock on "Force off", presses Caps Lock, types
// "abc" 20 ms later and counts the presses that left a capital, and times how long the key
// reads wrong. Each interval is measured twice: with a press as a user makes it (the instant
// correction) and with a press tagged as Keystead's own, which only its timer corrects. A last
// run has every key's note and sound on, notes on every monitor: the instant correction
// measured again, and how soon the note "Caps Lock is held off" is up after the press.
// Prints a Markdown table; exits non-zero, printing nothing, when a measurement cannot be
// trusted.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwctype>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "display/win32/Win32NoteScreen.h"
#include "lockkeys/Keyboard.h"
#include "tests/e2e/KeysteadProcess.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using keystead::e2e::KeysteadProcess;
using keystead::e2e::ProgramFolder;

// The extra information Keystead puts on every keystroke it makes, so that its instant
// correction ignores them: a press carrying it is one that only the timer puts back.
constexpr ULONG_PTR kOwnKeystrokeTag = keystead::lockkeys::kOwnKeystrokeTag;

constexpr int kPresses = 20;
constexpr auto kTypingDelay = 20ms;
// Presses come at least this far apart, so that the instant correction's limit of five per
// ten seconds is never reached.
constexpr auto kSpacing = 2500ms;
// A press still not put back by then is reported as "more than" this (the timer alone at a
// long interval would otherwise keep the run waiting for minutes).
constexpr auto kGiveUp = 2500ms;
constexpr int kIntervals[] = {1000, 60000};

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

bool CapsOn() {
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

void PressCaps(ULONG_PTR tag) {
    const auto scan = static_cast<BYTE>(MapVirtualKeyW(VK_CAPITAL, MAPVK_VK_TO_VSC));
    keybd_event(VK_CAPITAL, scan, 0, tag);
    keybd_event(VK_CAPITAL, scan, KEYEVENTF_KEYUP, tag);
}

void Type(const char* letters) {
    for (const char* c = letters; *c != '\0'; ++c) {
        const auto key = static_cast<BYTE>(*c - 'a' + 'A');
        const auto scan = static_cast<BYTE>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        keybd_event(key, scan, 0, 0);
        keybd_event(key, scan, KEYEVENTF_KEYUP, 0);
    }
}

// A focused window with an edit box: Wine makes raw input, which Keystead's instant
// correction listens to, only while some window has the focus, and the letters need a home.
class BenchWindow {
public:
    BenchWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"LockKeyBench";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, L"LockKeyBench", L"Lock key bench", WS_OVERLAPPEDWINDOW, 0, 0,
                                  300, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 260, 24,
                                window_, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(window_, SW_SHOW);
    }
    ~BenchWindow() { DestroyWindow(window_); }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    void Focus() {
        SetForegroundWindow(window_);
        SetFocus(edit_);
        Serve(100ms);
        if (GetForegroundWindow() != window_ || GetFocus() != edit_) {
            throw Failure("the bench's window did not get the focus");
        }
    }

    // Serves the queue for a while; Caps Lock reaches this window like any key. Returns
    // early once `done` holds, checked after every message so that a press and its
    // correction arriving together are still told apart.
    template <typename Done>
    bool Serve(Clock::duration duration, Done done) {
        const auto end = Clock::now() + duration;
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_KEYDOWN && message.wParam == VK_CAPITAL) {
                    ++capsDowns_;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
                if (done()) {
                    return true;
                }
            }
            if (done()) {
                return true;
            }
            const auto left = end - Clock::now();
            if (left <= 0s) {
                return false;
            }
            // Wakes at once for input, else after about a millisecond.
            MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    void Serve(Clock::duration duration) {
        Serve(duration, [] { return false; });
    }

    int CapsDowns() const { return capsDowns_; }
    std::wstring Text() const {
        wchar_t text[64] = {};
        GetWindowTextW(edit_, text, 64);
        return text;
    }
    void Clear() { SetWindowTextW(edit_, L""); }

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    int capsDowns_ = 0;
};

// Types "abc" and returns what arrived in the edit box.
std::wstring TypeAndRead(BenchWindow& window) {
    window.Clear();
    Type("abc");
    if (!window.Serve(1s, [&] { return window.Text().size() == 3; })) {
        throw Failure("typed letters did not reach the bench's edit box");
    }
    return window.Text();
}

// Puts Caps Lock off with a tagged press (which Keystead's instant correction ignores) and
// waits until it reads off.
void TurnCapsOff(BenchWindow& window) {
    for (int attempt = 0; attempt < 3 && CapsOn(); ++attempt) {
        PressCaps(kOwnKeystrokeTag);
        window.Serve(300ms, [] { return !CapsOn(); });
    }
    if (CapsOn()) {
        throw Failure("Caps Lock could not be turned off before a press");
    }
}

// The instrument itself, before Keystead runs: a press must read as on and give capitals,
// another must read as off and give small letters.
void CheckInstrument(BenchWindow& window) {
    window.Focus();
    TurnCapsOff(window);
    PressCaps(0);
    window.Serve(300ms, [] { return CapsOn(); });
    const bool capitals = TypeAndRead(window) == L"ABC";
    TurnCapsOff(window);
    if (!capitals || TypeAndRead(window) != L"abc") {
        throw Failure("Caps Lock does not decide the case of the letters typed");
    }
}

struct Trial {
    bool capital = false;
    std::optional<double> backMs;  // none when not back within kGiveUp
    std::optional<double> noteMs;  // the note's appearance, when notes are on
};

bool NoteUp() {
    return FindWindowW(keystead::display::win32::Win32NoteScreen::ClassName(),
                       L"Caps Lock is held off") != nullptr;
}

// One accidental press, then "abc" 20 ms later.
Trial Press(BenchWindow& window, ULONG_PTR tag, bool notes) {
    TurnCapsOff(window);
    // The last note must be gone, or its window would be taken for this press's.
    if (notes && !window.Serve(kSpacing, [] { return !NoteUp(); })) {
        throw Failure("a note did not go");
    }
    window.Clear();
    window.Serve(50ms);
    const int downsBefore = window.CapsDowns();
    const auto start = Clock::now();
    PressCaps(tag);

    // Timed from the press until the key reads off again. Until this window has taken the
    // press from its queue it still reads the old state, so only a reading after that counts.
    bool seen = false;
    std::optional<Clock::time_point> back;
    std::optional<Clock::time_point> note;
    auto watch = [&] {
        seen = seen || window.CapsDowns() > downsBefore;
        if (seen && !back && !CapsOn()) {
            back = Clock::now();
        }
        if (notes && !note && NoteUp()) {
            note = Clock::now();
        }
    };
    window.Serve(start + kTypingDelay - Clock::now(), [&] {
        watch();
        return false;
    });
    Type("abc");
    window.Serve(start + kGiveUp - Clock::now(), [&] {
        watch();
        return back.has_value() && window.Text().size() == 3 && (!notes || note.has_value());
    });
    if (!seen) {
        throw Failure("the accidental press never reached the bench's window");
    }
    if (window.Text().size() != 3) {
        throw Failure("typed letters did not reach the bench's edit box");
    }

    Trial trial;
    const std::wstring text = window.Text();
    trial.capital = std::any_of(text.begin(), text.end(), [](wchar_t c) { return iswupper(c); });
    if (back) {
        trial.backMs = Milliseconds(*back - start);
    }
    if (note) {
        trial.noteMs = Milliseconds(*note - start);
    }
    window.Serve(start + kSpacing - Clock::now());
    return trial;
}

struct Row {
    int interval;
    const char* correction;
    std::vector<Trial> trials;
};

// The median and the worst of some times, a time never seen counting as the longest.
std::pair<std::optional<double>, std::optional<double>> MedianAndWorst(
    const std::vector<std::optional<double>>& measured) {
    constexpr double kNever = std::numeric_limits<double>::infinity();
    std::vector<double> times;
    for (const auto& ms : measured) {
        times.push_back(ms.value_or(kNever));
    }
    std::sort(times.begin(), times.end());
    auto known = [](double ms) { return ms < kNever ? std::optional(ms) : std::nullopt; };
    const std::size_t middle = times.size() / 2;
    const std::optional<double> median = times.size() % 2 != 0
                                             ? known(times[middle])
                                             : known((times[middle - 1] + times[middle]) / 2);
    return {median, known(times.back())};
}

std::string Figure(std::optional<double> ms) {
    char text[32];
    if (ms) {
        std::snprintf(text, sizeof text, "%.0f", *ms);
    } else {
        std::snprintf(text, sizeof text, "> %.0f", Milliseconds(kGiveUp));
    }
    return text;
}

void PrintTable(const std::vector<Row>& rows) {
    std::printf("| interval (ms) | correction   | capitals left | median (ms) | worst (ms) |\n");
    std::printf("|--------------:|--------------|--------------:|------------:|-----------:|\n");
    for (const Row& row : rows) {
        const auto capitals = std::count_if(row.trials.begin(), row.trials.end(),
                                            [](const Trial& t) { return t.capital; });
        // Presses never put back sort last, as if they took for ever.
        std::vector<std::optional<double>> times;
        for (const Trial& t : row.trials) {
            times.push_back(t.backMs);
        }
        const auto [median, worst] = MedianAndWorst(times);
        std::printf("| %13d | %-12s | %7d of %2d | %11s | %10s |\n", row.interval, row.correction,
                    static_cast<int>(capitals), static_cast<int>(row.trials.size()),
                    Figure(median).c_str(), Figure(worst).c_str());
    }
}

void PrintNoteRow(const Row& row) {
    std::vector<std::optional<double>> times;
    for (const Trial& t : row.trials) {
        times.push_back(t.noteMs);
    }
    const auto [median, worst] = MedianAndWorst(times);
    std::printf("\n| measured                 | median (ms) | worst (ms) |\n");
    std::printf("|--------------------------|------------:|-----------:|\n");
    std::printf("| key change to note shown | %11s | %10s |\n", Figure(median).c_str(),
                Figure(worst).c_str());
}

std::vector<Row> Measure() {
    BenchWindow window;
    CheckInstrument(window);
    ProgramFolder folder(L"keystead-bench");
    std::vector<Row> rows;
    for (int interval : kIntervals) {
        // A settings file that is there and not empty keeps Keystead's window hidden.
        folder.WriteIni("[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=" +
                        std::to_string(interval) + "\r\n");
        KeysteadProcess keystead(folder.Exe());
        if (!keystead.WaitUntilReady()) {
            throw Failure("Keystead's window did not appear");
        }
        // No AttachThreadInput with Keystead: sharing the input state would make Keystead's
        // key state wait for this window to take each keystroke from its queue, which no
        // real program in the foreground imposes. This window reads its own state, which
        // follows the keystrokes as it serves them.
        window.Focus();
        for (auto [correction, tag] :
             {std::pair{"instant", ULONG_PTR{0}}, std::pair{"timer alone", kOwnKeystrokeTag}}) {
            Row row{interval, correction, {}};
            for (int press = 0; press < kPresses; ++press) {
                row.trials.push_back(Press(window, tag, false));
            }
            std::fprintf(stderr, "measured: interval %d, %s\n", interval, correction);
            rows.push_back(std::move(row));
        }
        if (!keystead.Running()) {
            throw Failure("Keystead ended during the measurement");
        }
    }
    // The instant correction again, with everything a put-back key sets off: its note on every
    // monitor, and every key's note and sound on.
    folder.WriteIni(
        "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=1000\r\n"
        "[display]\r\nCapsLockNote=1\r\nNumLockNote=2\r\nScrollLockNote=2\r\nNoteTime=500\r\n"
        "NoteMonitor=3\r\nCapsLockSound=2\r\nNumLockSound=2\r\nScrollLockSound=2\r\n");
    KeysteadProcess keystead(folder.Exe());
    if (!keystead.WaitUntilReady()) {
        throw Failure("Keystead's window did not appear");
    }
    window.Focus();
    Row row{1000, "notes, sound", {}};
    for (int press = 0; press < kPresses; ++press) {
        row.trials.push_back(Press(window, 0, true));
    }
    std::fprintf(stderr, "measured: interval 1000, instant with notes and sounds on\n");
    rows.push_back(std::move(row));
    return rows;
}

}  // namespace

int main() {
    try {
        const std::vector<Row> rows = Measure();
        std::printf(
            "Caps Lock on \"Force off\", %d accidental presses each, \"abc\" typed %d ms "
            "after each:\n\n",
            kPresses, static_cast<int>(kTypingDelay.count()));
        PrintTable(rows);
        PrintNoteRow(rows.back());
        return 0;
    } catch (const Failure& failure) {
        std::fprintf(stderr, "LockKeyBench: %s; no figures printed.\n", failure.what());
        return 1;
    }
}
