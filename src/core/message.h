#pragma once
// Messages are built on the sender's stack, passed by pointer and never kept.

#include <cstdint>
#include <string>

namespace Engine {

enum MessageId : int32_t {
    kQuitMessage = 1,
    kCharKeyMessage = 4,
    kFileDraggedMessage = 7,
    kFocusMessage = 8,
};

struct Message {
    explicit Message(int32_t id_) : id(id_) {}
    virtual ~Message() = default;
    int32_t id;
};

// A key-down from the window, keyed by its virtual-key code.
struct CharKeyMessage : Message {
    CharKeyMessage(int32_t key_, bool down_) : Message(kCharKeyMessage), key(key_), down(down_) {}
    int32_t key;
    bool down;
};

// The window gained or lost the input focus; broadcast to every system (sound
// mutes, the game logic pauses a match, input stops answering).
struct FocusMessage : Message {
    explicit FocusMessage(bool focused_) : Message(kFocusMessage), focused(focused_) {}
    bool focused;
};

// One file dropped on the window.
struct FileDraggedMessage : Message {
    explicit FileDraggedMessage(std::string path_) : Message(kFileDraggedMessage), path(std::move(path_)) {}
    std::string path;
};

}  // namespace Engine
