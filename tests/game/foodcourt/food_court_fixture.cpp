#include "food_court_fixture.h"

#include "api/script_api.h"
#include "game/foodcourt/human_customer_behaviour.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

FoodCourtFixture::FoodCourtFixture() {
    dir.CopyGameData();
}

FoodCourtFixture::~FoodCourtFixture() { engine.reset(); }

void FoodCourtFixture::Start() {
    if (engine) return;
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Boot();
}

void FoodCourtFixture::Open(const std::string& key) {
    Start();
    engine->OpenLevel(key, kSeed);
    engine->Step();
}

void FoodCourtFixture::OpenLevel(const std::string& stem, const std::string& groups) {
    dir.Write("MapData/" + stem + ".xml", "<Level>\n" + groups + "</Level>\n");
    Start();
    Engine::GameObjectFactory::instance->levelPaths[stem] = "MapData//" + stem + ".xml";
    Open(stem);
}

std::string FoodCourtFixture::Furniture() {
    auto object = [](const char* name, float x, float y, float w, float h, const char* extra) {
        return std::string("<Object Name=\"") + name + "\"><Instance><Transform><Position X=\"" + std::to_string(x) +
               "\" Y=\"" + std::to_string(y) + "\" Layer=\"5\" /><Scale X=\"" + std::to_string(w) + "\" Y=\"" +
               std::to_string(h) + "\" /></Transform>" + extra + "</Instance></Object>\n";
    };
    return object("BottomBorder", 0.0f, -8.0f, 40.0f, 3.0f,
                  "<Rigid_Body><isStatic Static=\"0\" /></Rigid_Body><Collider />") +
           object("Table1", -1.0f, -5.4f, 4.5f, 2.2f, "") + object("Table2", 7.5f, -5.4f, 4.5f, 2.2f, "") +
           object("Stall", -12.0f, -3.0f, 7.0f, 7.0f, "");
}

void FoodCourtFixture::StepSeconds(float seconds) { engine->Step(static_cast<int>(seconds / kFrame + 0.5f)); }

Engine::GameObj* FoodCourtFixture::Find(const std::string& name) const { return api::Find(name); }

std::vector<Engine::GameObj*> FoodCourtFixture::FindAll(const std::string& name) const { return api::FindAll(name); }

HumanCustomerBehaviour* FoodCourtFixture::SpawnCustomer(float x, const std::string& table) {
    const Engine::GameObj* prototype = engine->factory().Archetype("HumanCustomer");
    if (!prototype) return nullptr;
    Engine::GameObj* customer = api::Spawn("HumanCustomer", x, prototype->transform->position.y);
    auto* behaviour = api::ScriptOf<HumanCustomerBehaviour>(customer);
    if (behaviour) behaviour->table = api::Find(table);
    return behaviour;
}
