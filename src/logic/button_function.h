#pragma once
// What a mouse button does when it is clicked: an object of a ButtonFunction
// class, cloned for each button from a named prototype in ButtonCommands.

#include <map>
#include <memory>
#include <string>

namespace Engine {

class GameObj;

class ButtonFunction {
public:
    virtual ~ButtonFunction() = default;
    // What a click invokes.
    void Run() { Execute(); }
    // A new command of the same class belonging to `button`.
    virtual std::unique_ptr<ButtonFunction> Clone(GameObj* button) const = 0;
    virtual void Execute() = 0;

    // The button that owns this command; null in a prototype.
    GameObj* button = nullptr;
    // The object the command looked up when it last ran.
    GameObj* target = nullptr;
};

// Gives a command class its Clone: `class Foo : public ButtonFunctionBase<Foo>`,
// or `ButtonFunctionBase<Foo, Shared>` for a class built on a shared command base
// (whose constructors it passes on).
template <class Derived, class Base = ButtonFunction>
class ButtonFunctionBase : public Base {
public:
    using Base::Base;
    std::unique_ptr<ButtonFunction> Clone(GameObj* owner) const override {
        auto copy = std::make_unique<Derived>(static_cast<const Derived&>(*this));
        copy->button = owner;
        copy->target = nullptr;
        return copy;
    }
};

// Command name -> prototype, filled during static initialisation and never changed
// after; never destroyed (see button_function.cpp).
std::map<std::string, std::unique_ptr<ButtonFunction>>& ButtonCommands();

// A fresh command for `button`, or null when the name is not registered.
std::unique_ptr<ButtonFunction> MakeButtonFunction(const std::string& commandName, GameObj* button);

// Registers a prototype at static initialisation: one line next to the class.
struct ButtonCommandRegistration {
    ButtonCommandRegistration(const char* name, std::unique_ptr<ButtonFunction> prototype);
};

}  // namespace Engine

#define TOLVEX_BUTTON_CONCAT_INNER(a, b) a##b
#define TOLVEX_BUTTON_CONCAT(a, b) TOLVEX_BUTTON_CONCAT_INNER(a, b)
// REGISTER_BUTTON_COMMAND("Name", ClassName);
#define REGISTER_BUTTON_COMMAND(commandName, ClassName)                                   \
    static ::Engine::ButtonCommandRegistration TOLVEX_BUTTON_CONCAT(buttonCommand_, __LINE__)( \
        commandName, std::make_unique<ClassName>())
