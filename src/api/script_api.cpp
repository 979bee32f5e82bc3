#include "api/script_api.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "api/archetypes.h"
#include "core/core.h"
#include "core/message.h"
#include "graphics/animator.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "objects/archetype_list.h"
#include "objects/components.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/rigid_body.h"
#include "sound/audio_engine.h"
#include "sound/sound.h"
#include "window/window.h"

namespace api {

namespace {
Engine::GameObjectFactory* Factory() { return Engine::GameObjectFactory::instance; }
Engine::Input* InputSystem() { return Engine::Input::instance; }
Engine::GameLogic* Logic() { return Engine::GameLogic::instance; }
float Finite(float value) { return std::isfinite(value) ? value : 0.0f; }
}  // namespace

// ---- Finding objects

GameObj* FindObject(const std::string& name) { return GameObj::FindObject(name); }

GameObj* Find(const std::string& name) {
    Engine::GameObjectFactory* factory = Factory();
    return factory ? factory->FindLive(name) : nullptr;
}

Engine::Buttons* FindButton(const std::string& name) {
    Engine::GameObjectFactory* factory = Factory();
    if (!factory) return nullptr;
    Engine::GameLogic* logic = Logic();
    if (!logic) return nullptr;
    for (const auto& button : logic->buttonPool)
        if (button->active && button->name == name) return button.get();
    return nullptr;
}

GameObj* FindLast(const std::string& name) {
    GameObj* found = nullptr;
    Engine::GameObjectFactory* factory = Factory();
    if (!factory) return nullptr;
    for (GameObj* object : factory->liveObjects)
        if (object->active && object->name == name) found = object;
    return found;
}

std::vector<GameObj*> FindAll(const std::string& name) {
    std::vector<GameObj*> found;
    Engine::GameObjectFactory* factory = Factory();
    if (!factory) return found;
    for (GameObj* object : factory->liveObjects)
        if (object->active && object->name == name) found.push_back(object);
    return found;
}

bool Exists(const std::string& name) { return Find(name) != nullptr; }

const std::vector<GameObj*>& LiveObjects() {
    static const std::vector<GameObj*> none;
    Engine::GameObjectFactory* factory = Factory();
    return factory ? factory->liveObjects : none;
}

// ---- Spawning

GameObj* Spawn(const std::string& archetype, float x, float y) {
    GameObj* object = Engine::Spawn(archetype, x, y);
    if (!object) std::cout << "Could not spawn \"" << archetype << "\"" << std::endl;
    return object;
}

GameObj* SpawnParked(const std::string& archetype) {
    GameObj* object = Spawn(archetype, kParkX, kParkY);
    Park(object);
    return object;
}

void Park(GameObj* object) {
    if (!object) return;
    object->transform->position = {kParkX, kParkY};
    if (Engine::RigidBody* body = object->GetRigidBody()) {
        body->velocity = {};
        body->force = {};
    }
}

bool IsParked(const GameObj* object) {
    return object && object->transform->position.x == kParkX && object->transform->position.y == kParkY;
}

void Destroy(GameObj* object) {
    if (object) object->Destroy();
}

// ---- Transforms

vec2 Position(const GameObj* object) { return object ? object->transform->position : vec2{}; }
void SetPosition(GameObj* object, vec2 position) {
    if (object) object->transform->position = {Finite(position.x), Finite(position.y)};
}
void MoveBy(GameObj* object, vec2 offset) {
    if (object) SetPosition(object, object->transform->position + offset);
}
vec2 Scale(const GameObj* object) { return object ? object->transform->scale : vec2{}; }
void SetScale(GameObj* object, vec2 scale) {
    if (object) object->transform->scale = scale;
}
float Rotation(const GameObj* object) { return object ? object->transform->rotation : 0.0f; }
void SetRotation(GameObj* object, float degrees) {
    if (object) object->transform->rotation = Finite(degrees);
}
int32_t Layer(const GameObj* object) { return object ? object->transform->layer : 0; }

void SortLayers() {
    if (Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance) graphics->SortLayers();
}

void SetLayer(GameObj* object, int32_t layer) {
    if (!object) return;
    object->transform->layer = layer;
    bool changed = false;
    for (auto& component : object->components)
        if (auto* renderable = dynamic_cast<Engine::graphics::Renderable2D*>(component.get()))
            if (renderable->order != layer) {
                renderable->order = layer;
                changed = true;
            }
    if (changed) SortLayers();
}

float Length(vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

vec2 Normalized(vec2 v) {
    const float length = Length(v);
    if (!(length > 1e-6f) || !std::isfinite(length)) return {};
    return v / length;
}

float Distance(const GameObj* a, const GameObj* b) {
    if (!a || !b) return 0.0f;
    return Length(b->transform->position - a->transform->position);
}

vec2 DirectionTo(const GameObj* from, const GameObj* to) {
    if (!from || !to) return {};
    return Normalized(to->transform->position - from->transform->position);
}

// ---- Bodies

Engine::RigidBody* Body(const GameObj* object) { return object ? object->GetRigidBody() : nullptr; }
Engine::Collider* ColliderOf(const GameObj* object) { return object ? object->GetCollider() : nullptr; }

vec2 Velocity(const GameObj* object) {
    const Engine::RigidBody* body = Body(object);
    return body ? body->velocity : vec2{};
}

void SetVelocity(GameObj* object, vec2 velocity) {
    if (Engine::RigidBody* body = Body(object)) body->velocity = {Finite(velocity.x), Finite(velocity.y)};
}

void AddForce(GameObj* object, vec2 force) {
    if (Engine::RigidBody* body = Body(object)) body->force += vec2{Finite(force.x), Finite(force.y)};
}

void SetGravityScale(GameObj* object, float scale) {
    if (Engine::RigidBody* body = Body(object)) body->gravityScale = scale;
}

void SetColliderSize(GameObj* object, float width, float height) {
    if (Engine::Collider* collider = ColliderOf(object)) {
        collider->width = width;
        collider->height = height;
    }
}

bool Overlaps(const GameObj* a, const GameObj* b) {
    const Engine::Collider* ca = ColliderOf(a);
    const Engine::Collider* cb = ColliderOf(b);
    if (!ca || !cb) return false;
    const vec2 pa = a->transform->position, pb = b->transform->position;
    return std::fabs(pa.x - pb.x) * 2.0f < ca->width + cb->width &&
           std::fabs(pa.y - pb.y) * 2.0f < ca->height + cb->height;
}

// ---- Looks

void SetTexture(GameObj* object, const std::string& textureName) { Engine::SetTexture(object, textureName); }

std::string TextureOf(const GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    if (!sprite || !sprite->texture) return "";
    const Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
    if (!graphics) return "";
    for (const auto& [name, texture] : graphics->textures.textures)
        if (texture.get() == sprite->texture) return name;
    return "";
}

void SetColor(GameObj* object, uint32_t packedColor) { Engine::SetColor(object, packedColor); }

void SetAlpha(GameObj* object, float alpha) {
    Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    if (!sprite) return;
    // The renderer draws the packed colour: its top byte is the alpha.
    const float clamped = std::fmin(1.0f, std::fmax(0.0f, Finite(alpha)));
    const uint32_t byte = static_cast<uint32_t>(clamped * 255.0f + 0.5f);
    sprite->SetColor((sprite->color & 0x00FFFFFFu) | (byte << 24));
    sprite->colorRGBA.w = clamped;
}

float Alpha(const GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    return sprite ? static_cast<float>(sprite->color >> 24) / 255.0f : 0.0f;
}

void SetHidden(GameObj* object, bool hidden) {
    if (Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr) sprite->hidden = hidden;
}

Engine::graphics::Animator* AnimatorOf(const GameObj* object) { return object ? object->GetAnimator() : nullptr; }

void SetFrame(GameObj* object, uint32_t frame) {
    if (Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr) {
        if (frame < 1) frame = 1;
        if (sprite->texture && sprite->texture->frames > 0 && frame > static_cast<uint32_t>(sprite->texture->frames))
            frame = static_cast<uint32_t>(sprite->texture->frames);
        if (Engine::graphics::Animator* animator = object->GetAnimator()) {
            animator->frame = frame;
            animator->playing = false;
        }
        sprite->SetFrame(frame, frame);
    }
}

void PlayAnimation(GameObj* object, bool once) {
    if (Engine::graphics::Animator* animator = AnimatorOf(object)) {
        animator->Reset();
        animator->playing = true;
        if (once) animator->PlayOnce();
    }
}

void Face(GameObj* object, bool right) {
    if (Engine::graphics::Animator* animator = AnimatorOf(object)) animator->facing = right;
}

Engine::graphics::Label* LabelOf(const GameObj* object) { return object ? object->GetLabel() : nullptr; }

void SetText(GameObj* object, const std::string& text) {
    if (Engine::graphics::Label* label = LabelOf(object)) label->text = text;
}

std::string TextOf(const GameObj* object) {
    const Engine::graphics::Label* label = LabelOf(object);
    return label ? label->text : "";
}

void SetTextColor(GameObj* object, uint32_t packedColor) {
    if (Engine::graphics::Label* label = LabelOf(object)) label->color = packedColor;
}

void Shake(vec3 amount, int32_t period, float duration, float dt) {
    if (Engine::GameLogic* logic = Logic())
        if (logic->cameraShake) logic->cameraShake->Shake(amount, period, duration, dt);
}

float Pulse(float elapsed, float period) {
    if (!(period > 0.0f)) return 0.0f;
    return std::sin(elapsed / period * 6.2831853f);
}

// ---- Sound

void Play(const std::string& event) { Engine::PlayEvent(event); }
void Stop(const std::string& event) { Engine::StopEvent(event); }
bool IsPlaying(const std::string& event) { return Engine::IsEventPlaying(event); }
bool IsStopped(const std::string& event) { return !Engine::IsEventPlaying(event); }
void SetParameter(const std::string& event, const std::string& parameter, float value) {
    Engine::SetEventParameter(value, event, parameter);
}

float Parameter(const std::string& event, const std::string& parameter) {
    float value = 0.0f;
    Engine::GetEventParameter(event, parameter, value);
    return value;
}

float Volume() {
    const Engine::AudioEngine* audio = Engine::AudioEngine::instance;
    return audio ? audio->volume : 1.0f;
}

void SetVolume(float volume) { Engine::SetVolume(volume); }

bool PlayerMuted() {
    if (const Engine::Sound* sound = Engine::Sound::instance) return sound->userMuted;
    const Engine::AudioEngine* audio = Engine::AudioEngine::instance;
    return audio && audio->muted;
}

void SetPlayerMuted(bool muted) {
    if (Engine::Sound* sound = Engine::Sound::instance)
        sound->SetUserMuted(muted);
    else
        Engine::SetMuted(muted);
}

void SaveSoundSettings() {
    if (Engine::Sound* sound = Engine::Sound::instance) sound->SaveSettings();
}

// ---- Keys and pads

bool KeyDown(VirtualKey key) {
    Engine::Input* input = InputSystem();
    return input && input->IsKeyDown(key);
}
bool KeyTriggered(VirtualKey key) {
    Engine::Input* input = InputSystem();
    return input && input->IsKeyTriggered(key);
}
bool KeyReleased(VirtualKey key) {
    Engine::Input* input = InputSystem();
    return input && input->IsKeyReleased(key);
}
bool InputActive() {
    Engine::Input* input = InputSystem();
    return input && input->active;
}
void SetInputActive(bool active) {
    if (Engine::Input* input = InputSystem()) input->active = active;
}
bool PadConnected(int playerNumber) { return Gamepad(playerNumber).IsConnected(); }
Engine::KeyThinker* ComputerThinker() {
    Engine::Input* input = InputSystem();
    return input ? input->Computer().thinker() : nullptr;
}
void SetComputerThinker(std::unique_ptr<Engine::KeyThinker> thinker) {
    if (Engine::Input* input = InputSystem()) input->Computer().SetThinker(std::move(thinker));
}

// ---- Levels and the game

bool LoadTextures(int count) {
    Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
    return !graphics || graphics->LoadTextureBatch(count);
}

LoadProgress TextureListProgress() {
    const Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
    if (!graphics) return {};
    return {graphics->textures.loaded, graphics->textures.listed};
}

void ShowOnSlowLoads(const std::string& textureName, Engine::vec2 centre, Engine::vec2 size) {
    if (Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance)
        graphics->longLoad.SetPicture(textureName, centre, size);
}

bool LoadLevel(const std::string& key) {
    Engine::GameObjectFactory* factory = Factory();
    return factory && factory->LoadLevelByKey(key);
}

bool LevelExists(const std::string& key) {
    Engine::GameObjectFactory* factory = Factory();
    return factory && factory->LevelKeyLoadable(key);
}

bool HowToPlayOpen() {
    const Engine::GameLogic* logic = Logic();
    return logic && logic->howToPlayOpen;
}

void SetHowToPlayOpen(bool open) {
    if (Engine::GameLogic* logic = Logic()) logic->howToPlayOpen = open;
}

const std::string& CurrentLevelPath() {
    static const std::string none;
    Engine::GameObjectFactory* factory = Factory();
    return factory ? factory->currentLevelPath : none;
}

bool InLevel(const std::string& path) { return CurrentLevelPath() == path; }

bool InLevelOfKey(const std::string& key) {
    const Engine::GameObjectFactory* factory = Factory();
    if (!factory) return false;
    const auto found = factory->levelPaths.find(key);
    return found != factory->levelPaths.end() && found->second == factory->currentLevelPath;
}

std::string CurrentLevelStem() {
    std::string path = CurrentLevelPath();
    const size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos) path = path.substr(slash + 1);
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

void PauseOnFocusLoss() {
    if (Engine::GameLogic* logic = Logic()) logic->pauseOnFocusLoss = true;
}

bool Paused() {
    Engine::GameLogic* logic = Logic();
    return logic && logic->paused;
}
void SetPaused(bool paused) {
    if (Engine::GameLogic* logic = Logic()) logic->paused = paused;
}
float TimeScale() {
    Engine::GameLogic* logic = Logic();
    return logic ? logic->timeScale : 1.0f;
}
void SetTimeScale(float scale) {
    if (Engine::GameLogic* logic = Logic()) logic->timeScale = scale;
}

void Quit() {
    // Every system hears the quit; the Core stops once this frame is over.
    Engine::Message quit(Engine::kQuitMessage);
    if (Engine::Core* core = Engine::Core::instance) core->BroadcastMessage(&quit);
}

bool FullScreen() {
    if (const Engine::GameLogic* logic = Logic()) return logic->fullscreen;
    const Engine::Window* window = Engine::Window::instance;
    return window && window->IsFullscreen();
}

void SetFullScreen(bool on) {
    if (Engine::GameLogic* logic = Logic()) logic->fullscreen = on;
    Engine::Window* window = Engine::Window::instance;
    if (!window) return;
    if (on)
        window->EnterFullscreen();
    else
        window->LeaveFullscreenCentred();
}

void ToggleFullScreen() { SetFullScreen(!FullScreen()); }

// ---- Random numbers

// Every draw comes from the engine's one seedable source, in call order, so a
// run with a fixed seed and a fixed frame time repeats to the bit.
int Rand() {
    Engine::Core* core = Engine::Core::instance;
    return core ? core->random.Next() : 0;
}

int RandomInt(int a, int b) {
    if (b < a) return a;
    Engine::Core* core = Engine::Core::instance;
    return core ? core->random.Between(a, b) : a;
}

void Seed(unsigned seed) {
    if (Engine::Core* core = Engine::Core::instance) core->random.Seed(seed);
}

void AddCollider(GameObj* object) {
    if (object && !object->GetCollider()) object->AddComponent(Engine::kColliderKind);
}

std::vector<ObjectRef> CastBox(vec2 origin, vec2 size, float length, vec2 direction) {
    std::vector<ObjectRef> touched;
    const Engine::Physics* physics = Engine::Physics::instance;
    if (!physics) return touched;
    for (const Engine::Collider* collider :
         physics->CastBox(origin.x, origin.y, size.x, size.y, length, direction.x, direction.y))
        if (collider && collider->owner && collider->owner->active) touched.emplace_back(collider->owner);
    return touched;
}

void CallBackWhenStopped(const std::string& event) {
    Engine::AudioEngine* audio = Engine::AudioEngine::instance;
    if (Engine::EventInstance* instance = audio ? audio->FindEvent(event) : nullptr)
        instance->SetCallback(Engine::EventStoppedCallback, Engine::kEventCallbackStopped);
}

std::vector<std::string> ArchetypeListFiles(const char* path) { return Engine::ArchetypeListFiles(path); }

void LoadArchetype(const std::string& file) {
    if (Engine::GameObjectFactory* factory = Factory()) factory->LoadArchetype(file);
}

const GameObj* Archetype(const std::string& name) {
    const Engine::GameObjectFactory* factory = Factory();
    return factory ? factory->Archetype(name) : nullptr;
}

void LoadLevelFile(const std::string& path) {
    if (Engine::GameObjectFactory* factory = Factory()) factory->LoadLevel(path);
}

}  // namespace api
