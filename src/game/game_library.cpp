// The game's scripts register themselves with the script registry from their own
// files; this file keeps the library non-empty while it has none.
namespace Tolvex {
int gameLibraryAnchor = 0;
}
