// The content check for object names: every name the code looks an object up by
// ("TransitionBird", "Coop2P", ...) is given to some object by a level or an
// archetype. Names that belong to screens later work builds are listed here with
// the screen that will hold them, so the check says what is still to come instead
// of passing silently; the list is empty while every screen exists.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;

const std::map<std::string, std::string> kNamesOfScreensStillToCome = {};

std::string FirstValue(const TiXmlElement* element) {
    const TiXmlAttribute* attribute = element ? element->FirstAttribute() : nullptr;
    return attribute ? attribute->Value() : "";
}

// Names that data files give objects: the first value of every group of every
// level, and every archetype's name.
std::set<std::string> NamesInData() {
    std::set<std::string> names;
    for (const char* folder : {"MapData", "Objects"}) {
        for (const auto& item : fs::recursive_directory_iterator(kSourceDir / folder)) {
            if (!item.is_regular_file() || item.path().extension() != ".xml") continue;
            TiXmlDocument document(item.path().string().c_str());
            if (!document.LoadFile() || !document.RootElement()) continue;
            names.insert(FirstValue(document.RootElement()));
            for (const TiXmlElement* group = document.RootElement()->FirstChildElement(); group;
                 group = group->NextSiblingElement())
                names.insert(FirstValue(group));
        }
    }
    return names;
}

// The literals one line of code passes to an object lookup.
std::vector<std::string> LookupsIn(const std::string& line) {
    static const std::regex lookup(
        R"re(\b(?:FindObject|FindLevelObject|FindLastLevelObject|FindButton)\s*\(\s*"([^"]+)")re");
    std::vector<std::string> found;
    for (std::sregex_iterator m(line.begin(), line.end(), lookup), end; m != end; ++m) found.push_back((*m)[1].str());
    return found;
}

// (name, where) for every literal the code passes to an object lookup. Most
// lookups go through declared names (api::ObjectName, proven by the declared
// names check), so this may well find none.
std::multimap<std::string, std::string> NamesInCode() {
    std::multimap<std::string, std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(kSourceDir / "src")) {
        const std::string extension = item.path().extension().string();
        if (!item.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        std::ifstream in(item.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            for (const std::string& name : LookupsIn(line))
                names.emplace(name, fs::relative(item.path(), kSourceDir).generic_string() + ":" + std::to_string(number));
    }
    return names;
}

TEST(ObjectNames, EveryNameTheCodeLooksUpIsGivenByTheData) {
    const std::set<std::string> inData = NamesInData();
    const auto inCode = NamesInCode();
    // The scanner still recognises a literal lookup, so an empty list means none is left.
    ASSERT_EQ(LookupsIn(R"(target = api::FindButton("Resume"); api::FindObject ( "Egg" ))"),
              (std::vector<std::string>{"Resume", "Egg"}));
    std::ostringstream missing;
    for (const auto& [name, where] : inCode)
        if (!inData.count(name) && !kNamesOfScreensStillToCome.count(name))
            missing << "\n  \"" << name << "\" looked up at " << where;
    EXPECT_TRUE(missing.str().empty()) << "objects no level or archetype names:" << missing.str();
}

TEST(ObjectNames, TheListOfScreensStillToComeStaysHonest) {
    // Once a screen exists, its names leave the list.
    const std::set<std::string> inData = NamesInData();
    for (const auto& [name, screen] : kNamesOfScreensStillToCome)
        EXPECT_FALSE(inData.count(name)) << "\"" << name << "\" now exists: take it off the list (" << screen << ")";
}

}  // namespace
