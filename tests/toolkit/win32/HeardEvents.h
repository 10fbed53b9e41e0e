#pragma once

// A form's listener that writes down the clicks and changes it hears, for the toolkit's tests.
#include <string>
#include <vector>

#include "toolkit/fake/FakeToolkit.h"

namespace keystead::toolkit::win32 {

class HeardEvents : public fake::NoFormEvents {
public:
    void Control_Click(int id, int index) override {
        heard.push_back("click " + std::to_string(id) + " " + std::to_string(index));
    }
    void Control_Change(int id) override { heard.push_back("change " + std::to_string(id)); }
    std::vector<std::string> heard;
};

}  // namespace keystead::toolkit::win32
