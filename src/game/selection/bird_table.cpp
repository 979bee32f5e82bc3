#include "game/selection/bird_table.h"

#include "api/names.h"

namespace Selection {

const std::array<BirdLook, 4> kBirds = {{
    {1, "RoziDoroPortrait", "RoziDoro_Sprite", "RoziDoro_Stats", "Info_Myna", {6, 5}, 65, 190, 209, {16, 12}},
    {2, "VadozaVazaPortrait", "VadozaVaza_Sprite", "VadozaVaza_Stats", "Info_Techno", {7, 3}, 126, 248, 117,
     {20, 8}},
    {3, "DovaDizavovPortrait", "DovaDizavov_Sprite", "DovaDizavov_Stats", "Info_Zora", {3, 3}, 255, 94, 94,
     {12, 8}},
    {4, "DoruZuvoPortrait", "Doruzuvo_Sprite", "DoruZuvo_Stats", "Info_Rure", {6, 6}, 244, 182, 93, {20, 16}},
}};

const std::array<LevelLook, 3> kLevels = {{
    {"Level1", 1, "Vozedoreroz_Info", "EggEagleFlap", {5, 6}, "LS_Vozedoreroz_Red", {8, 5},
     "LS_Vozedoreroz_Blue", {8, 5}, "LS_Vozedoreroz_Text", {11, 1.8f}},
    {"Level2", 2, "Info_Rudorarurozavir", "L4Boss", {8, 8}, "LS_Homecoming_Red", {8, 5},
     "LS_Homecoming_Blue", {8, 4}, "LS_Homecoming_Text", {13, 1.8f}},
    {"Level3", 3, "Info_Zurododavad", "Boss_Animated", {7, 7}, "Zurododavad_Player1", {11, 11},
     "Zurododavad_Player2", {11, 11}, "Zurododavad_Title", {13, 10.8f}},
}};

const BirdLook* BirdFor(int character) {
    return character >= 1 && character <= 4 ? &kBirds[static_cast<size_t>(character - 1)] : nullptr;
}

const LevelLook* LevelFor(int chosenLevel) {
    return chosenLevel >= 1 && chosenLevel <= 3 ? &kLevels[static_cast<size_t>(chosenLevel - 1)] : nullptr;
}

unsigned PackedColour(const BirdLook& bird) {
    return 0xFF000000u | (static_cast<unsigned>(bird.blue) << 16) | (static_cast<unsigned>(bird.green) << 8) |
           bird.red;
}

namespace {
// Files every name of both tables for the content checks.
struct TableNames {
    TableNames() {
        using api::NameKind;
        for (const BirdLook& b : kBirds) {
            api::DeclareName(NameKind::Object, b.portrait, __FILE__);
            for (const char* t : {b.preview, b.stats, b.info}) api::DeclareName(NameKind::Texture, t, __FILE__);
        }
        for (const LevelLook& l : kLevels) {
            api::DeclareName(NameKind::Object, l.slot, __FILE__);
            for (const char* t : {l.info, l.midGround, l.redText, l.blueText, l.currentText})
                api::DeclareName(NameKind::Texture, t, __FILE__);
        }
    }
} const kTableNames;
}  // namespace

}  // namespace Selection
