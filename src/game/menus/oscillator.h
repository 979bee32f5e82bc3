#pragma once
// A direction that flips every `period` seconds: +1 first, then -1, and so on.
// The menus grow and shrink their selected entry and sway their backgrounds with it.

class Oscillator {
public:
    explicit Oscillator(float periodSeconds) : period(periodSeconds) {}

    // Advances by dt and returns the direction for this frame.
    float Step(float dt) {
        timer += dt;
        if (timer >= period) {
            timer = 0.0f;
            direction = -direction;
        }
        return direction;
    }
    // Starts again growing.
    void Restart() {
        timer = 0.0f;
        direction = 1.0f;
    }

    float period;
    float timer = 0.0f;
    float direction = 1.0f;
};
