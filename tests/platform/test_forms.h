#pragma once
// Small forms the platform tests drive.
#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace platformtest {

// A form whose handlers are set by the test.
class TestForm : public platform::Form {
public:
    explicit TestForm(std::string name) : Form(std::move(name)) {}
    std::function<void(TestForm&)> onBuild, onLoad, onUnload;
    std::function<void(int)> onKey;
    int loads = 0, unloads = 0;
    int field = 0;  // survives unloads
    platform::ControlArray<platform::Label> lbl{this, "lbl"};

protected:
    void build() override {
        scale = 1;
        Width = 200;
        Height = 100;
        if (onBuild) onBuild(*this);
    }
    void Form_Load() override {
        ++loads;
        if (onLoad) onLoad(*this);
    }
    void Form_Unload() override {
        ++unloads;
        if (onUnload) onUnload(*this);
    }
    void Form_KeyDown(int key, int) override {
        if (onKey) onKey(key);
    }

public:
    template <class T>
    T& make(const std::string& name) {
        return add<T>(name);
    }
    platform::Label& makeLabel(int index) { return add(lbl, index); }
};

}  // namespace platformtest
