#pragma once
// The script API: what a game script includes for nearly everything it does.
//
// Every function is safe to call with null objects and with systems missing
// (the tests run without sound, window or graphics): it then does nothing and
// answers false, zero or null. A script keeps the objects it works with as
// ObjectRef handles, never as raw pointers across frames, and declares every
// name it looks up in the data as an api::LevelKey, api::SoundEvent,
// api::ObjectName, api::TextureName or api::ArchetypeName (see names.h).
//
// A script in full:
//
//   class Blinker : public Engine::ScriptBase<Blinker> {
//   public:
//       using ScriptBase::ScriptBase;
//       void Init() override { lamp_ = api::Find(kLamp); }
//       void Update(float dt) override { api::SetAlpha(lamp_.Get(), api::Pulse(elapsed_ += dt)); }
//   private:
//       api::ObjectRef lamp_;
//       float elapsed_ = 0.0f;
//   };
//   REGISTER_SCRIPT("Blinker", Blinker);

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "api/maths.h"
#include "api/menu_input.h"
#include "api/names.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "input/gamepad.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"

namespace Engine {
class Buttons;
class KeyThinker;
class RigidBody;
class Collider;
namespace graphics {
class Label;
class Animator;
class Renderable2D;
}  // namespace graphics
}  // namespace Engine

namespace api {

using Engine::GameObj;
using Engine::Gamepad;
using Engine::vec2;
using Engine::vec3;
using Engine::VirtualKey;

// ---- Finding objects -------------------------------------------------------

// The first pooled object carrying `name`, handed out or not (released objects
// keep their names). Only for rules that rely on exactly this first match.
GameObj* FindObject(const std::string& name);
// The first object of the current level carrying `name`, or null. This is the
// lookup to use: a released object from an earlier level never answers.
GameObj* Find(const std::string& name);
// The last such object, for levels that place one name more than once.
GameObj* FindLast(const std::string& name);
// Every object of the current level carrying `name`, in hand-out order.
std::vector<GameObj*> FindAll(const std::string& name);
// The mouse button of the current level carrying `name`, or null. Buttons come
// from their own pool; keep one across frames as an ObjectRef like any object.
Engine::Buttons* FindButton(const std::string& name);
// Whether the current level has an object named `name`.
bool Exists(const std::string& name);
// Every object of the current level, in hand-out order.
const std::vector<GameObj*>& LiveObjects();

// The first script of class T on the object, or null.
template <class T>
T* ScriptOf(const GameObj* object) {
    return object ? object->GetScript<T>() : nullptr;
}
template <class T>
T* ScriptOf(const ObjectRef& object) {
    return ScriptOf<T>(object.Get());
}
// The script of class T on the current level's object named `objectName`.
template <class T>
T* FindScript(const std::string& objectName) {
    return ScriptOf<T>(Find(objectName));
}

// ---- Spawning, parking, destroying ------------------------------------------

// Far outside anything a camera shows; reused objects wait here between uses.
constexpr float kParkX = -1000.0f;
constexpr float kParkY = -1000.0f;

// A copy of the archetype at (x, y) with its scripts started, or null (one
// printed line) when the archetype is unknown or the pool is full.
GameObj* Spawn(const std::string& archetype, float x, float y);
// A copy parked far away, for objects that are spawned once and reused.
GameObj* SpawnParked(const std::string& archetype);
// Moves the object to the parking place and stops its body.
void Park(GameObj* object);
bool IsParked(const GameObj* object);
// Releases the object at the end of the physics step.
void Destroy(GameObj* object);

// ---- Transforms --------------------------------------------------------------

vec2 Position(const GameObj* object);
void SetPosition(GameObj* object, vec2 position);
void MoveBy(GameObj* object, vec2 offset);
vec2 Scale(const GameObj* object);
void SetScale(GameObj* object, vec2 scale);
float Rotation(const GameObj* object);
void SetRotation(GameObj* object, float degrees);
int32_t Layer(const GameObj* object);
// Puts the object (its transform and its sprite or label) in render layer
// `layer` and re-sorts the layers when that changed the drawing order.
void SetLayer(GameObj* object, int32_t layer);
void SortLayers();
// Distance between two objects' centres; 0 when either is missing.
float Distance(const GameObj* a, const GameObj* b);
// The unit vector from `from` to `to`, or (0, 0) when they coincide or either is
// missing: never NaN.
vec2 DirectionTo(const GameObj* from, const GameObj* to);
vec2 Normalized(vec2 v);
float Length(vec2 v);

// ---- Bodies and colliders -----------------------------------------------------

Engine::RigidBody* Body(const GameObj* object);
Engine::Collider* ColliderOf(const GameObj* object);
vec2 Velocity(const GameObj* object);
// Non-finite components are taken as 0, so a bad computation never reaches the body.
void SetVelocity(GameObj* object, vec2 velocity);
void AddForce(GameObj* object, vec2 force);
void SetGravityScale(GameObj* object, float scale);
void SetColliderSize(GameObj* object, float width, float height);
// Gives an object without a collider one (a unit box until its size is set).
void AddCollider(GameObj* object);
// Whether the two objects' collider boxes overlap right now.
bool Overlaps(const GameObj* a, const GameObj* b);
// The live objects whose colliders a box of `size` touches on its way from
// `origin` along `direction` for `length`, in collider-list order.
std::vector<ObjectRef> CastBox(vec2 origin, vec2 size, float length, vec2 direction);

// ---- Looks --------------------------------------------------------------------

// Gives the sprite the named texture (first cell); unknown names leave it as is.
void SetTexture(GameObj* object, const std::string& textureName);
std::string TextureOf(const GameObj* object);
// Packed colour: bytes R, G, B, A from least significant.
void SetColor(GameObj* object, uint32_t packedColor);
void SetAlpha(GameObj* object, float alpha);
float Alpha(const GameObj* object);
void SetHidden(GameObj* object, bool hidden);
// The sprite-sheet cell shown (1-based), held still until the animator moves on.
void SetFrame(GameObj* object, uint32_t frame);
// Restarts the object's animation from its first cell; `once` stops at the last.
void PlayAnimation(GameObj* object, bool once = false);
// Faces the sprite right (true) or left (false).
void Face(GameObj* object, bool right);
Engine::graphics::Animator* AnimatorOf(const GameObj* object);
// Label text and colour; a missing label does nothing.
void SetText(GameObj* object, const std::string& text);
std::string TextOf(const GameObj* object);
void SetTextColor(GameObj* object, uint32_t packedColor);
Engine::graphics::Label* LabelOf(const GameObj* object);
// Shakes the main camera; call every frame it should shake.
void Shake(vec3 amount, int32_t period, float duration, float dt);
// A value that swings between -1 and 1 once per `period` seconds.
float Pulse(float elapsed, float period = 1.0f);

// ---- Sound --------------------------------------------------------------------

void Play(const std::string& event);
void Stop(const std::string& event);
bool IsPlaying(const std::string& event);
// True once the event has finished, and for an event that never played or does
// not exist: a wait on a stopped event never freezes on a missing sound.
bool IsStopped(const std::string& event);
void SetParameter(const std::string& event, const std::string& parameter, float value);
// The parameter's value on the event, 0 for an event or parameter that is missing.
float Parameter(const std::string& event, const std::string& parameter);
// Has the sound layer's stop callback run when the event's instance stops (it
// resets the parameters that must start over with the next play).
void CallBackWhenStopped(const std::string& event);
// The master volume 0..1 and the player's own mute (not the one the window sets
// while the game is in the background); saved with SaveSoundSettings and at exit.
float Volume();
void SetVolume(float volume);
bool PlayerMuted();
void SetPlayerMuted(bool muted);
void SaveSoundSettings();

// ---- Keys and pads ------------------------------------------------------------

bool KeyDown(VirtualKey key);
bool KeyTriggered(VirtualKey key);
bool KeyReleased(VirtualKey key);
bool InputActive();
void SetInputActive(bool active);
// Whether a controller sits in player `playerNumber`'s slot (1..4).
bool PadConnected(int playerNumber);
// The computer players' thinker: once a frame, before the frame's keys are read,
// it decides the keys they hold (input/computer_keys.h). Null without input.
Engine::KeyThinker* ComputerThinker();
void SetComputerThinker(std::unique_ptr<Engine::KeyThinker> thinker);

// ---- Levels and the game ------------------------------------------------------

// Reads up to `count` more entries of the texture list; true once all are read
// (always true without graphics).
bool LoadTextures(int count);
// How far the texture list is read: entries read so far out of the entries it
// lists (both 0 without graphics).
struct LoadProgress {
    int read = 0;
    int total = 0;
};
LoadProgress TextureListProgress();
// What a level load that takes a while shows beside its progress bar: the first
// cell of `textureName`, `size` units around `centre` (graphics/long_load_screen.h).
void ShowOnSlowLoads(const std::string& textureName, vec2 centre, vec2 size);

// ---- Levels -------------------------------------------------------------------

// Loads the level the level-path table lists under `key`. A key without a
// readable level file prints one line and keeps the current level (false).
// From inside a script call, the calling container stops after this returns true.
bool LoadLevel(const std::string& key);
// Whether `key` names a level file that exists.
bool LevelExists(const std::string& key);
// Loads a level file by its path at once, for a level outside the level-path
// table (one a test wrote); the calling script is gone afterwards.
void LoadLevelFile(const std::string& path);
// Whether the pause menu's how-to-play pages are open (the mouse buttons ask).
bool HowToPlayOpen();
void SetHowToPlayOpen(bool open);
const std::string& CurrentLevelPath();
bool InLevel(const std::string& path);
// Whether the loaded level is the file the level-path table lists under `key`.
bool InLevelOfKey(const std::string& key);
// The file stem of the current level ("Level1" for "MapData//Level1.xml").
std::string CurrentLevelStem();
bool Paused();
void SetPaused(bool paused);
// Makes losing the window's focus pause the loaded level (until the next load).
void PauseOnFocusLoss();
float TimeScale();
void SetTimeScale(float scale);
void Quit();
// Whether the game is (or wants to be) full screen; leaving it centres the window.
bool FullScreen();
void SetFullScreen(bool on);
void ToggleFullScreen();

// ---- Random numbers -------------------------------------------------------------

// Draws from the game's one random source (0 to 32767), in call order.
int Rand();
// a + Rand() mod (b - a + 1); a when b < a.
int RandomInt(int a, int b);
void Seed(unsigned seed);

}  // namespace api
