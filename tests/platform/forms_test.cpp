#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "harness.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "test_forms.h"

using namespace platformtest;

namespace {

TestForm& formA() {
    static TestForm f("formA");
    return f;
}
TestForm& formB() {
    static TestForm f("formB");
    return f;
}
TestForm& formC() {
    static TestForm f("formC");
    return f;
}
TestForm& formD() {
    static TestForm f("formD");
    return f;
}

void plain(TestForm& f) {
    f.onBuild = [](TestForm& t) {
        platform::Label& l = t.makeLabel(0);
        l.Caption = "design";
        t.makeLabel(3).Caption = "sparse";
    };
    f.onLoad = f.onUnload = nullptr;
    f.onKey = nullptr;
}

using FormsTest = harness::HarnessTest;

TEST_F(FormsTest, ReloadRebuildsControlsAndKeepsFields) {
    TestForm& a = formA();
    plain(a);
    a.show();
    a.lbl[0].Caption = "changed";
    a.field = 42;
    int loads = a.loads;
    a.unload();
    EXPECT_FALSE(a.isLoaded());
    a.lbl[0].Caption = "touched while unloaded";
    EXPECT_FALSE(a.isLoaded()) << "touching a control never loads the form again";
    a.show();
    EXPECT_EQ(a.loads, loads + 1);
    EXPECT_EQ(a.lbl[0].Caption, "design");
    EXPECT_EQ(a.field, 42);
    EXPECT_TRUE(a.lbl.exists(3));
    EXPECT_FALSE(a.lbl.exists(1));
    EXPECT_THROW(a.lbl[1], platform::Error);
    EXPECT_EQ(a.lbl.ubound(), 3);
}

TEST_F(FormsTest, ModalNestingThreeDeepWithModelessShowInside) {
    TestForm &a = formA(), &b = formB(), &c = formC(), &d = formD();
    for (TestForm* f : {&a, &b, &c, &d}) plain(*f);
    std::vector<std::string> trace;
    a.onKey = [&](int) {
        trace.push_back("a.key");
        b.showModal();
        trace.push_back("a.back");
    };
    b.onKey = [&](int) {
        trace.push_back("b.key");
        c.showModal();
        trace.push_back("b.back");
        b.unload();
    };
    c.onKey = [&](int k) {
        trace.push_back("c.key");
        if (k == 1) d.show();  // modeless from inside a nested loop
        if (k == 2) c.unload();
    };
    h.key(0);  // consumed by b's loop
    h.key(1);  // c: show d modeless
    h.then([&] { EXPECT_TRUE(d.visible()); EXPECT_EQ(platform::Runtime::get().inputForm(), &c); });
    h.key(2);  // c unloads itself
    a.show();
    h.keyNow(0);
    EXPECT_EQ(trace, (std::vector<std::string>{"a.key", "b.key", "c.key", "c.key", "b.back", "a.back"}));
    EXPECT_FALSE(b.isLoaded());
    EXPECT_TRUE(d.isLoaded());
}

TEST_F(FormsTest, UnloadTheFormBelowFromANestedHandler) {
    TestForm &a = formA(), &b = formB();
    plain(a);
    plain(b);
    b.onKey = [&](int) {
        a.unload();  // the form below goes while its handler waits on the stack
        b.unload();
    };
    bool returned = false;
    a.onKey = [&](int) {
        b.showModal();
        returned = true;
        a.lbl[0].Caption = "still reachable";
    };
    a.show();
    h.key(0);
    h.keyNow(0);
    EXPECT_TRUE(returned);
    EXPECT_FALSE(a.isLoaded());
}

TEST_F(FormsTest, HangGuardFailsAModalLoopWithNothingToDo) {
    TestForm& a = formA();
    plain(a);
    EXPECT_NONFATAL_FAILURE(EXPECT_ANY_THROW(a.showModal()), "hang");
}

TEST_F(FormsTest, MsgBoxAndInputBoxAnswers) {
    h.answerMsgBox(platform::vbNo);
    EXPECT_EQ(platform::MsgBox("Overwrite?", platform::vbYesNo | platform::vbQuestion), platform::vbNo);
    h.answerMsgBox(platform::vbOK);
    EXPECT_EQ(platform::MsgBox("Done."), platform::vbOK);
    h.answerInput("fight");
    EXPECT_EQ(platform::InputBox("Command?", "Cheat", "x"), "fight");
    h.cancelInput();
    EXPECT_EQ(platform::InputBox("Command?"), "");
    // Enter presses the default button, Esc the cancel one.
    h.type("ab");
    h.key(platform::vk::Return);
    EXPECT_EQ(platform::InputBox("Command?"), "ab");
    h.type("ab");
    h.key(platform::vk::Escape);
    EXPECT_EQ(platform::InputBox("Command?"), "");
}

TEST_F(FormsTest, TextBoxRefusesWhatItsKeyPressRefusesAndKeepsMaxLength) {
    TestForm& a = formA();
    a.onBuild = [](TestForm& t) {
        auto& box = t.make<platform::TextBox>("txt");
        box.MaxLength = 4;
        box.onKeyPress = [](int& c) {
            if (c == '"') c = 0;
            if (c == 9) c = 0;  // the Backspace key must come as 8, not as a tab
        };
    };
    a.show();
    auto& box = static_cast<platform::TextBox&>(harness::Harness::control("formA", "txt"));
    platform::Runtime::get().textInput("a\"bcdef");
    EXPECT_EQ(box.Text, "abcd");
    h.keyNow(platform::vk::Back);
    EXPECT_EQ(box.Text, "abc");
}

TEST_F(FormsTest, ShowingAFormAsksForARedraw) {
    TestForm& a = formA();
    plain(a);
    platform::Runtime::get().clearDirty();
    a.show();
    EXPECT_TRUE(platform::Runtime::get().dirty());
    EXPECT_EQ(platform::Runtime::get().logicalWidth(), 800);  // a small form in the 800 x 600 window
    EXPECT_EQ(platform::Runtime::get().logicalHeight(), 600);
}

TEST_F(FormsTest, MouseCaptureAndClickWithButtonMasks) {
    TestForm& a = formA();
    std::vector<std::string> trace;
    a.onBuild = [&](TestForm& t) {
        auto& box = t.make<platform::PictureBox>("pic");
        box.Move(10, 10, 50, 50);
        box.onMouseDown = [&](int b, int, double x, double y) { trace.push_back("down" + std::to_string(b) + "@" + std::to_string(int(x)) + "," + std::to_string(int(y))); };
        box.onMouseMove = [&](int b, int, double x, double) { trace.push_back("move" + std::to_string(b) + "@" + std::to_string(int(x))); };
        box.onClick = [&] { trace.push_back("click"); };
    };
    a.show();
    a.dispatchMouseDown(platform::LeftButton, 0, 20, 20);
    a.dispatchMouseMove(0, 0, 150, 20);  // outside, still captured
    a.dispatchMouseUp(platform::LeftButton, 0, 150, 20);
    a.dispatchMouseMove(0, 0, 150, 20);  // released: nobody under the mouse
    a.dispatchMouseDown(platform::RightButton, 0, 30, 30);
    a.dispatchMouseUp(platform::RightButton, 0, 30, 30);
    EXPECT_EQ(trace, (std::vector<std::string>{"down1@10,10", "move1@140", "down2@20,20", "click"}));
}

}  // namespace
