#pragma once
// Names the code looks up in the data: level keys, sound events, object names,
// textures and archetypes. A script declares each name it uses once, at file
// scope, as one of these; declaring it files it in a table that the content
// checks walk, so every name the code relies on is proven to exist in the data.
//
//   const api::SoundEvent kFlap{"event:/Bird_Flap"};
//   const api::ObjectName kEgg{"Egg"};
//   api::Play(kFlap);

#include <string>
#include <vector>

namespace api {

enum class NameKind { LevelKey, SoundEvent, Object, Texture, Archetype };

struct DeclaredName {
    NameKind kind;
    std::string name;
    std::string file;  // where it was declared, for the content check's message
};

// Every name declared so far, in declaration order.
const std::vector<DeclaredName>& DeclaredNames();
// Files one name; the typed names below call it.
void DeclareName(NameKind kind, const char* name, const char* file);

template <NameKind Kind>
class Name {
public:
    // Declare at file scope only: the table is complete once static start-up is over.
    explicit Name(const char* text, const char* file = __builtin_FILE()) : text_(text) {
        DeclareName(Kind, text, file);
    }
    const char* c_str() const { return text_; }
    operator const char*() const { return text_; }  // NOLINT: names pass where text is expected
    operator std::string() const { return text_; }  // NOLINT

private:
    const char* text_;
};

// Files a whole table of names at once (the entries of a menu, say). Declare it
// at file scope after the table, in the same file.
struct NameList {
    template <class Table>
    NameList(NameKind kind, const Table& names, const char* file = __builtin_FILE()) {
        for (const auto& name : names) DeclareName(kind, name, file);
    }
};

using LevelKey = Name<NameKind::LevelKey>;
using SoundEvent = Name<NameKind::SoundEvent>;
using ObjectName = Name<NameKind::Object>;
using TextureName = Name<NameKind::Texture>;
using ArchetypeName = Name<NameKind::Archetype>;

}  // namespace api
