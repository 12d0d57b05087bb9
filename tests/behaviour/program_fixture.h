// A fresh desktop with the program started on it, for every test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/headless/toolkit.h"
#include "program/program.h"

namespace vardek::testing {

using platform::Band;
using platform::FormId;
using platform::headless::World;
using platform::headless::WorldConfig;

class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(WorldConfig config = {})
        : world(std::make_unique<World>(std::move(config))), program(std::make_unique<Program>(*world))
    {
    }

    void SetUp() override
    {
        world->Run([this] { program->Start(); });
    }

    // A handler that threw is a fault, unless the test provoked it and took it.
    void TearDown() override
    {
        for (const std::string& failure : world->SlotFailures()) {
            ADD_FAILURE() << "a handler threw: " << failure;
        }
    }

    std::string Caption(FormId form, const char* name) const { return world->ControlOf(form, name).Caption(); }
    bool Enabled(const char* name) const { return world->ControlOf(FormId::Form1, name).Enabled(); }
    bool ViewVisible() const { return world->IsLoaded(FormId::Form2) && world->Window(FormId::Form2).Visible(); }
    ViewState& State() { return program->Ruler().State(); }
    // Combo1 is hidden and has no items, so no user reaches it: the one place where a test goes
    // around the user's input is its click slot, given an entry as its text.
    void ChooseHiddenCombo1Entry(const char* entry)
    {
        platform::Control& combo = world->ControlOf(FormId::Form1, "Combo1");
        combo.SetCaption(entry);
        world->Run([this, &combo] { world->RunSlot()(combo.onClick); });
    }

    std::unique_ptr<World> world;
    std::unique_ptr<Program> program;
};

}  // namespace vardek::testing
