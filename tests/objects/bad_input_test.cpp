#include <random>

#include "objects_fixture.h"

namespace {

using BadInputTest = ObjectsFixture;

struct BrokenFile {
    const char* what;
    const char* xml;  // null: the file does not exist
};

const BrokenFile kBrokenLevels[] = {
    {"missing file", nullptr},
    {"not well-formed", "<Level><Group Name=\"A\"><I></Level>"},
    {"empty", ""},
    {"group without a name", "<Level><Group><I><Transform><Position X=\"1\"/></Transform></I></Group></Level>"},
    {"group without instances", "<Level><Group Name=\"A\"/></Level>"},
    {"settings without values", "<Level><G Name=\"A\"><I><Transform><Position/><Scale/><Rotation/></Transform>"
                                "<Rigid_Body><Velocity/><Mass/><isStatic/></Rigid_Body><Collider><Collider_Size/>"
                                "</Collider><SpriteRenderer><Texture/><Color R=\"1\"/></SpriteRenderer>"
                                "<Label><Text/><Size/></Label><ParticleSystem><Position/></ParticleSystem>"
                                "<Button/></I></G></Level>"},
    {"empty button group", "<Level><Button><I><Function/></I></Button></Level>"},
};

TEST_F(BadInputTest, BrokenLevelsSayWhatIsWrongAndLoadWhatTheyCan) {
    for (const BrokenFile& file : kBrokenLevels) {
        SCOPED_TRACE(file.what);
        const std::string path = "MapData//Broken.xml";
        if (file.xml)
            dir.Write(path, file.xml);
        else
            std::remove("MapData/Broken.xml");
        testing::internal::CaptureStdout();
        factory.LoadLevel(path);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_NE(output.find("Broken.xml"), std::string::npos) << output;
        EXPECT_TRUE(factory.epoch.LevelChangePending());
    }
    // A level that lacks only some values still builds its object, with what it read.
    dir.Write("MapData/Half.xml",
              "<Level><G Name=\"Half\"><I><Transform><Position X=\"4\"/></Transform></I></G></Level>");
    testing::internal::CaptureStdout();
    factory.LoadLevel("MapData//Half.xml");
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("Half.xml:1"), std::string::npos) << output;
    ASSERT_EQ(Named("Half").size(), 1u);
    EXPECT_EQ(Named("Half")[0]->transform->position.x, 4.0f);
}

TEST_F(BadInputTest, BrokenArchetypesAreSkippedWithAMessage) {
    const BrokenFile archetypes[] = {
        {"missing file", nullptr},
        {"not well-formed", "<A Name=\"X\"><Transform>"},
        {"root without a name", "<A><Transform/></A>"},
    };
    for (const BrokenFile& file : archetypes) {
        SCOPED_TRACE(file.what);
        if (file.xml) dir.Write("Objects/Bad.xml", file.xml);
        testing::internal::CaptureStdout();
        factory.LoadArchetype(file.xml ? "Bad.xml" : "Absent.xml");
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_NE(output.find(file.xml ? "Bad.xml" : "Absent.xml"), std::string::npos) << output;
        EXPECT_TRUE(factory.archetypes.empty());
    }
}

// Seeded mutations of valid files: the loader must neither crash nor read out of
// bounds (run under AddressSanitizer in the sanitizer build) whatever it is given.
TEST_F(BadInputTest, MutatedFilesNeverCrashTheLoader) {
    const std::string seeds[] = {
        R"(<A Name="Crate"><Transform><Position X="1" Y="1" L="2"/><Scale X="1" Y="1"/><Rotation R="5"/></Transform>
<SpriteRenderer><Texture T="Null"/><AnimationFrame/><AnimationFrameCont A="1" B="2" C="3"/><Color R="1" G="2" B="3" A="4"/></SpriteRenderer>
<Animator><AnimationFrameCount A="1" B="2" C="0.1" D="3"/></Animator>
<Rigid_Body><Velocity X="1" Y="2"/><Mass M="2"/><isStatic S="2"/><GravityScale G="1"/></Rigid_Body>
<Collider><IsGhost G="1"/><Collider_Size W="1" H="2"/></Collider><Scripts><Missing/></Scripts>
<Label><Text T="hi"/><Size S="20"/><Color R="1" G="2" B="3" A="4"/></Label><SoundEmitter/>
<ParticleSystem><Position X="0" Y="0" L="1"/><Size W="1" H="1"/><isPlaying A="1" B="0" C="1" D="1"/></ParticleSystem></A>)",
        R"(<Level><Group Name="Crate"><I><Transform><Position X="5" Y="6" L="5"/></Transform></I><I/></Group>
<Button Name="Go"><I><Transform><Position X="0" Y="0" L="12"/></Transform><Function F="LoadLevelMainMenu"/></I></Button>
<Floor Name="Floor"><I><Rigid_Body><isStatic S="0"/></Rigid_Body><Collider/></I></Floor></Level>)",
    };
    const std::string fragments[] = {"<", ">", "/>", "\"", "=", "<I>", "</I>", "<Transform>", "<Position/>",
                                     "Name=\"\"", "&", "<!--", "-->", "\n", " ", "\xff", "<?xml?>"};
    std::mt19937 random(20261210);
    Archetype("Crate.xml", seeds[0]);
    for (int iteration = 0; iteration < 2000; ++iteration) {
        std::string text = seeds[iteration % 2];
        const int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const size_t at = random() % text.size();
            switch (random() % 4) {
                case 0: text.erase(at, 1 + random() % 12); break;
                case 1: text.insert(at, fragments[random() % std::size(fragments)]); break;
                case 2: text[at] = static_cast<char>(random() % 256); break;
                default: text.resize(at); break;
            }
        }
        testing::internal::CaptureStdout();
        if (iteration % 2 == 0) {
            dir.Write("Objects/Fuzz.xml", text);
            factory.archetypes.erase("Crate");
            factory.LoadArchetype("Fuzz.xml");
            factory.SpawnArchetype("Crate", 1, 1);
        } else {
            dir.Write("MapData/Fuzz.xml", text);
            factory.LoadLevel("MapData//Fuzz.xml");
            engine.Step();
        }
        testing::internal::GetCapturedStdout();
    }
    // After all that the loader still builds a good level completely.
    factory.archetypes.erase("Crate");
    Archetype("Crate.xml", seeds[0]);
    dir.Write("MapData/Good.xml", seeds[1]);
    factory.LoadLevel("MapData//Good.xml");
    EXPECT_EQ(Named("Crate").size(), 2u);
    EXPECT_EQ(Named("Floor").size(), 1u);
}

}  // namespace
