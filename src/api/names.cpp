#include "api/names.h"

namespace api {

namespace {
// Filled during static start-up by names in other files, so it must exist before
// any of them and outlive them all: made on first use and deliberately never freed.
std::vector<DeclaredName>& Table() {
    static auto* table = new std::vector<DeclaredName>();
    return *table;
}
}  // namespace

const std::vector<DeclaredName>& DeclaredNames() { return Table(); }

void DeclareName(NameKind kind, const char* name, const char* file) {
    Table().push_back({kind, name ? name : "", file ? file : ""});
}

}  // namespace api
