#pragma once
// The keys the computer players hold down this frame, and what decides them.
// The input system owns one. A ComputerKeySource lays these keys over a
// device's keys below everything that answers key queries or records a frame,
// so the game, and a recording, see them exactly as a person's presses. Under
// a replay no ComputerKeySource is built: the recorded keys already hold the
// computer players' presses, and nothing thinks.

#include <memory>

#include "input/key_state_source.h"
#include "input/scripted_key_state_source.h"

namespace Engine {

// Decides the computer players' keys once a frame, before the frame's keys are read.
class KeyThinker {
public:
    virtual ~KeyThinker() = default;
    virtual void Think(ScriptedKeyStateSource& keys) = 0;
};

class ComputerKeys {
public:
    ScriptedKeyStateSource& keys() { return keys_; }
    const ScriptedKeyStateSource& keys() const { return keys_; }
    // Replaces the thinker (null: the keys stay as they are, nobody presses).
    void SetThinker(std::unique_ptr<KeyThinker> thinker) { thinker_ = std::move(thinker); }
    KeyThinker* thinker() const { return thinker_.get(); }
    void Think() {
        if (thinker_) thinker_->Think(keys_);
    }

private:
    ScriptedKeyStateSource keys_;
    std::unique_ptr<KeyThinker> thinker_;
};

// A device's keys with the computer players' keys laid over them: a key is down
// when either holds it. Each frame the device reads first, then the computer thinks.
class ComputerKeySource : public KeyStateSource {
public:
    ComputerKeySource(ComputerKeys& computer, std::unique_ptr<KeyStateSource> device)
        : computer_(computer), device_(std::move(device)) {}

    bool IsDown(VirtualKey key) const override {
        return (device_ && device_->IsDown(key)) || computer_.keys().IsDown(key);
    }
    void BeginFrame() override {
        if (device_) device_->BeginFrame();
        computer_.Think();
    }

private:
    ComputerKeys& computer_;
    std::unique_ptr<KeyStateSource> device_;
};

}  // namespace Engine
