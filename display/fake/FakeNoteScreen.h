#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/IconPainter.h"
#include "display/NoteScreen.h"

namespace keystead::display {

// Every note shown, in order, and the lasting ones as they stand.
class FakeNoteScreen : public NoteScreen {
public:
    struct Note {
        std::string text;
        int position;
        int timeMs;
        bool announce;
        bool operator==(const Note&) const = default;
    };
    void ShowNote(const std::string& text, int position, int timeMs, bool announce) override {
        notes.push_back({text, position, timeMs, announce});
    }
    void ShowLasting(const std::vector<std::string>& texts, int position) override {
        lasting = texts;
        lastingPosition = position;
    }
    void SetMonitor(settings::NoteMonitor choice) override { monitor = choice; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Note& note : notes) {
            texts.push_back(note.text);
        }
        return texts;
    }

    std::vector<Note> notes;
    std::vector<std::string> lasting;
    int lastingPosition = 0;
    settings::NoteMonitor monitor = settings::NoteMonitor::FrontWindow;
};

// Keeps the pixels of each picture it makes; the handle counts them from 0x1000.
class FakeIconPainter : public IconPainter {
public:
    class FakeIcon : public toolkit::Picture {
    public:
        explicit FakeIcon(std::uintptr_t handle) : handle_(handle) {}
        std::uintptr_t Handle() const override { return handle_; }

    private:
        std::uintptr_t handle_;
    };

    int IconSize() override { return size; }
    std::optional<ContrastColours> HighContrast() override { return highContrast; }
    std::unique_ptr<toolkit::Picture> MakePicture(const IconPixels& pixels) override {
        made.push_back(pixels);
        return std::make_unique<FakeIcon>(0x1000 + made.size());
    }

    int size = 16;
    std::optional<ContrastColours> highContrast;
    std::vector<IconPixels> made;
};

}  // namespace keystead::display
