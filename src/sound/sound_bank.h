#pragma once
// The bank files: readable XML describing every event the game can play.
//
// "Master Bank.bank" holds the events by id: their sections (sound files that
// play one after another or loop), volume, fade-out time and parameters.
// "Master Bank.strings.bank" maps event paths ("event:/Bird_Flap") to ids; an
// event is reachable by path only once a strings bank naming it is loaded.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sound/audio_result.h"

namespace Engine {

struct SectionDescription {
    std::string name;
    std::string file;     // resolved against the bank's folder
    bool loop = false;
    bool stream = false;  // decoded while playing instead of once up front
    std::string next;     // section to play when this one ends; empty: the event ends
};

enum class ParameterEffect {
    kSection,  // reaching `threshold` while playing jumps to `section`
    kPitch,    // pitch moves from `low` (value 0) to `high` (value 1)
    kVolume,   // gain moves from `low` (value 0) to `high` (value 1)
};

struct ParameterDescription {
    std::string name;
    ParameterEffect effect = ParameterEffect::kSection;
    float initial = 0.0f;
    float threshold = 0.5f;
    std::string section;
    float low = 1.0f;
    float high = 1.0f;
};

struct EventDescription {
    std::string id;
    float volume = 1.0f;
    float fadeOut = 0.0f;  // seconds a fading stop takes; 0 cuts at once
    // bus="music": the music volume governs it; every other event is an effect.
    bool music = false;
    std::vector<SectionDescription> sections;
    std::vector<ParameterDescription> parameters;

    int SectionIndex(const std::string& name) const;
    bool HasParameter(const std::string& name) const;
};

struct Bank {
    std::map<std::string, EventDescription> events;  // by id
    std::map<std::string, std::string> paths;        // event path -> id

    // Reads a bank or strings bank file (either kind may hold both tables).
    static std::optional<Bank> Load(const std::string& file, AudioResult& result);
};

}  // namespace Engine
