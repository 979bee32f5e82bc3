#pragma once

namespace Engine {

// A player script that plays for one of two teams. The controller scripts set the
// flag from the controller they hand the player.
class TeamMember {
public:
    virtual ~TeamMember() = default;
    bool team2Flag = false;
};

}  // namespace Engine
