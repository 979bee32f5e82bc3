#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "input/input.h"
#include "input/scripted_key_state_source.h"
#include "input/scripted_pad_source.h"

// An active input system over a scripted keyboard, mouse and pads. Frame()
// does what the frame loop does between two script passes.
class ScriptedInputTest : public ::testing::Test {
protected:
    ScriptedInputTest() {
        auto keySource = std::make_unique<Engine::ScriptedKeyStateSource>();
        auto padSource = std::make_unique<Engine::ScriptedPadSource>();
        keyboard = keySource.get();
        pads = padSource.get();
        input = std::make_unique<Engine::Input>(std::move(keySource), std::move(padSource));
        input->active = true;
    }

    void Frame() { input->Update(1.0f / 60.0f); }

    std::unique_ptr<Engine::Input> input;
    Engine::ScriptedKeyStateSource* keyboard = nullptr;  // owned by input
    Engine::ScriptedPadSource* pads = nullptr;           // owned by input
};
