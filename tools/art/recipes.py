"""Which drawing makes which texture: one entry per name of textures.txt.

draw(name, k, w, h, entry) returns the SVG source of cell k (0-based) of the
texture, in a w x h pixel box.
"""

from svgkit import (uid, defs, INK, WHITE, P1_RED, P2_BLUE, BIRD_COLOURS, FONT_TITLE, circle, ellipse, rect,
                    path, poly, group, text, round_text, translate, scale, fit, lighten, darken,
                    highlight, star)
import birds
import things
import ui
import scenes
import menu_scenery
import practice
import food_court
import egg_level
import story_art
import screens_art
import runner_art
import boss_level

CHAR_BY_NAME = {c["name"]: cid for cid, c in birds.CHARACTERS.items()}
CHAR_BY_NICK = {"Myna": 1, "Zuva": 2, "Techno": 2, "Zora": 3, "Rure": 4, "Vedavad": 4,
                "Doruzuvo": 4}


def full(body, w, h):
    """Scale a 640 x 360 picture to the cell."""
    return group(body, scale(w / float(scenes.W), h / float(scenes.H)))


def design(body, bw, bh, w, h, margin=0.04, cx=0.0, cy=0.0):
    return fit(body, bw, bh, w, h, margin, cx, cy)


# ---- menus -----------------------------------------------------------------

MAIN_MENU = {"MenuPlay": "PLAY", "Menu_Practice": "PRACTICE", "MenuHowToPlay": "HOW TO PLAY",
             "MenuOption": "OPTIONS", "MenuCredit": "CREDITS", "MenuQuit": "QUIT",
             "MenuYes": "YES", "MenuNo": "NO"}
PAUSE_MENU = {"Reseume": "RESUME", "Restart": "RESTART", "HowToPlay": "HOW TO PLAY",
              "PauseControls": "CONTROLS", "QuitToMainMenu": "QUIT TO MENU"}


def menu(name, w, h):
    base, _, style = name.rpartition("_")
    if base in MAIN_MENU and style in ("Red", "Blue", "FadeRed"):
        return ui.pill_button(w, h, MAIN_MENU[base], style.lower())
    for prefix, label in PAUSE_MENU.items():
        if name == prefix + "Selected":
            return ui.pill_button(w, h, label, "selected", arrow=True)
        if name in (prefix + "NotSelected", prefix + "Not"):
            return ui.pill_button(w, h, label, "unselected")
    return None


# ---- characters ----------------------------------------------------------------

STATS = {  # Speed, Power, Stamina, Flap on a five-step scale, from the bird table
    1: (2, 4, 3, 4), 2: (5, 2, 5, 4), 3: (4, 2, 3, 2), 4: (2, 5, 3, 3)}

INFO = {
    1: ("Thunder Orbs", ["Two homing lightning balls.", "A hit stuns for 1.5 s."],
        "Myna Beam", ["A screen-wide beam.", "Deadly in its first second!"]),
    2: ("Sound Scream", ["A blast of noise in front.", "Stuns for 2 s. Long cooldown."],
        "Drop The Beat", ["Five beats push the other", "bird away and stun it."]),
    3: ("Cannon Ball", ["Fires a ball straight ahead.", "A hit stuns like dung."],
        "Pirate Ship", ["The ship fires three beams.", "Do not stand in them!"]),
    4: ("Fart Bomb", ["A slow bomb that bursts", "into a stunning gas cloud."],
        "Big Bird Dung", ["A giant dropping falls.", "Too close? You are done."]),
}


def character_texture(name, k, w, h):
    for cname, cid in CHAR_BY_NAME.items():
        for action in ("Idle", "Flap", "Hurt", "Peck", "Shit"):
            if name == "%s_%s" % (cname, action):
                return birds.cell(cid, action, k, w, h)
        if name == cname + "_Portrait":
            return design(framed_head(cid, circle(0, 0, 56, "#fff6e0", 0), 56), 124, 124, w, h, 0.02)
        if name == cname + "_Stats":
            return ui.stats_card(w, h, cid, cname, STATS[cid])
    for cname, cid in list(CHAR_BY_NAME.items()) + [("Doruzuvo", 4)]:
        if name == cname + "_Sprite":
            return birds.still(cid, w, h, mood="happy", wing=25)
    for nick, cid in CHAR_BY_NICK.items():
        if name == "Info_" + nick:
            return ui.info_card(w, h, cid, *INFO[cid])
        if name == nick + "Dialog":
            return design(framed_head(cid, rect(-60, -60, 120, 120, "#fff6e0", 0, 24), None,
                                      beak_open=0.7), 128, 128, w, h, 0.02)
        if name == nick + "_Victory":
            return scenes.victory_cell(cid, k, w, h)
    return None


def framed_head(cid, backdrop, radius, beak_open=0.0):
    """A bird's head and shoulders inside a round (radius) or rounded-square
    frame in the bird's colour."""
    col = BIRD_COLOURS[cid]
    cid_clip = uid("frame")
    if radius:
        shape = '<circle cx="0" cy="0" r="%d"/>' % radius
        frame = circle(0, 0, radius, "none", 9, stroke=col) + circle(0, 0, radius + 4, "none", 4)
    else:
        shape = '<rect x="-60" y="-60" width="120" height="120" rx="24"/>'
        frame = rect(-60, -60, 120, 120, "none", 9, 24, stroke=col) + rect(-64, -64, 128, 128, "none", 4, 28)
    inner = group(backdrop + group(birds.head_only(cid, beak_open=beak_open), translate(-6, 14)),
                  clip=cid_clip)
    return defs('<clipPath id="%s">%s</clipPath>' % (cid_clip, shape)) + inner + frame


def enemy_zuva(name, k, w, h):
    action = {"ZuvaFlap": "Flap", "ZuvaPeck": "Peck", "ZuvaFall": "Hurt"}[name]
    return birds.cell(2, action, k, w, h)


# ---- level selection ---------------------------------------------------------------

def level_texture(name, k, w, h):
    egg_pic = group(things.egg("flap", 1, 110, 132), translate(-55, -66))
    saucer_pic = things.saucer(1)
    golem_pic = things.golem(2, "idle")
    red, blue = "#e8393f", "#2f7fe0"
    table = {
        "LS_Vozedoreroz_Red": ("VOZEDOREROZ", red, egg_pic, 1.0),
        "LS_Vozedoreroz_Blue": ("VOZEDOREROZ", blue, egg_pic, 1.0),
        "LS_Homecoming_Red": ("HOMECOMING", red, saucer_pic, 1.0),
        "LS_Homecoming_Blue": ("HOMECOMING", blue, saucer_pic, 1.0),
        "Zurododavad_Player1": ("PLAYER 1", red, golem_pic, 0.95),
        "Zurododavad_Player2": ("PLAYER 2", blue, golem_pic, 0.95),
    }
    if name in table:
        title, col, pic, s = table[name]
        return scenes.level_emblem(w, h, title, col, pic, s * min(w, h) / 240.0)
    titles = {"LS_Vozedoreroz_Text": "VOZEDOREROZ", "LS_Homecoming_Text": "HOMECOMING"}
    if name in titles:
        return text(w / 2, h * 0.76, titles[name], h * 0.72, "#ffcf3f", sw=h * 0.09, spacing=3)
    if name == "Zurododavad_Title":
        return (group(things.golem(2, "idle"), translate(w / 2, h * 0.4) + " " + scale(1.5)) +
                text(w / 2, h * 0.92, "ZURODODAVAD", 52, "#c56bff", sw=9))
    infos = {
        "Vozedoreroz_Info": ("The Egg", "#ff7a45", ["Attack or defend the egg.", "Two rounds, roles swap.",
                                                   "Peck the egg: -5 health.", "Armour keeps it safe.",
                                                   "Most damage wins!"], egg_pic),
        "Info_Rudorarurozavir": ("Homecoming", "#41bed1", ["Race to the right!", "Dodge pipes and debris.",
                                                          "Grab power bugs.", "Hit the saucer boss.",
                                                          "Most hits wins!"],
                                 group(saucer_pic, scale(0.7))),
        "Info_Zurododavad": ("Zurododavad", "#8f6bd1", ["Collect energy orbs.", "Upgrade your tier.",
                                                       "Peck the stone giant.", "Dodge its lasers.",
                                                       "Most hits wins!"],
                             group(golem_pic, scale(0.7))),
    }
    if name in infos:
        title, col, lines, pic = infos[name]
        return ui.level_info(w, h, title, col, lines, pic)
    if name == "RoostBG":
        return full(scenes.roost(), w, h)
    if name == "camera":
        return scenes.camera_sign(w, h)
    if name == "CoopLevelSoon":
        # Both cells alike: a still frame of 1 shows the second.
        return scenes.map_thumb(0, w, h)
    if name == "lstp":
        return scenes.map_thumb(k, w, h) if k < 9 else scenes.tracker(w, h)
    return None


# ---- heads-up display ----------------------------------------------------------------

def hud_texture(name, k, w, h):
    if name.startswith("ArmorBar_"):
        return ui.armour_bar(w, h, int(name.split("_")[1]))
    team = {"P1_Attack": (1, True), "P1_Defend": (1, False), "P2_Attack": (2, True),
            "P2_Defend": (2, False)}
    if name in team:
        return ui.team_icon(w, h, *team[name])
    tiers = {"Tier_Strength": ("fist", "#ff7a45"), "Tier_Speed": ("wing", "#41bed1"),
             "Tier_Poop": ("dung", "#b07a3e"), "Tier_Stopwatch": ("clock", "#8f6bd1"),
             "Tier_Ultimate": ("star", "#ffc21f")}
    if name in tiers:
        return ui.tier_icon(w, h, *tiers[name])
    skills = {"OrbSkillIcon": "orb", "SoundScreamSkillIcon": "scream", "CannonSkillIcon": "cannon",
              "BigShitSkillIcon": "bigshit"}
    if name in skills:
        return ui.skill_icon(w, h, skills[name])
    if name == "Text_ProtectTheEgg":
        return ui.ribbon(w, h, "PROTECT THE EGG!", "#2f7fe0")
    if name == "Text_DestroyTheEgg":
        return ui.ribbon(w, h, "DESTROY THE EGG!", "#e8393f")
    if name == "Ready_Yes":
        return ui.pill_button(w, h, "READY!", "selected", size=h * 0.42)
    if name == "Ready_Not":
        return ui.pill_button(w, h, "NOT READY", "unselected", size=h * 0.3)
    if name == "ComputerSeatIcon":
        return ui.computer_seat_icon(w, h)
    if name == "FeedbackStunAnimated":
        return design(things.stun_stars(k), 128, 80, w, h, 0.03, 0, 0)
    return None


# ---- world objects -------------------------------------------------------------------

EGGS = {"EggEagleFlap": "flap", "EggEagleFlapCrack": "flapcrack", "EggEagleHurt": "hurt",
        "EggEagleHurtCrack": "hurtcrack", "EggDestroyed": "destroyed"}
BUGS = {"UltimatePowerUpBug": "ultimate", "PowerUp_Immunity": "immunity",
        "PowerUp_EggHealth": "egghealth", "PowerUp_Laxative": "laxative", "PowerUp_Hazard": "hazard"}
GOLEM = {"Boss_Animated": "sleeping", "ZurododavadBossIdle": "idle", "ZurododavadBossCrack": "crack",
         "ZurododavadBossDeath": "death"}


def world_texture(name, k, w, h):
    if name in EGGS:
        return things.egg(EGGS[name], k, w, h)
    if name in BUGS:
        return things.bug(BUGS[name], k, w, h)
    if name in GOLEM:
        return design(things.golem(k, GOLEM[name]), 200, 200, w, h, 0.02, 0, -8)
    simple = {
        "CartoonShit": lambda: design(birds.dung(0, 0, 1.0), 40, 38, w, h, 0.08, 0, -2),
        "Mark": lambda: design(things.fart_bomb(), 96, 72, w, h, 0.04, 0, 0),
        "FartBomb": lambda: design(things.gas_puff(), 96, 66, w, h, 0.06, 0, 0),
        # Opens towards -x: the scream mirrors it to open away from its bird.
        "Scream": lambda: design(group(things.scream(), scale(-1, 1)), 76, 130, w, h, 0.03, -46, 0),
        "MusicNote1": lambda: design(things.icon("note", 0, 0, 1.0, "#ff4fa3"), 34, 38, w, h, 0.08, 1, 0),
        "Particle_CircleWhite": lambda: design(things.soft_circle(), 100, 100, w, h, 0.0),
        "PeckFeedback": lambda: design(things.peck_burst(), 96, 96, w, h, 0.02),
        "TransitionBird": lambda: design(transition_bird(), 200, 200, w, h, 0.0),
    }
    if name in simple:
        return simple[name]()
    sheets = {
        "AnimatedCannonBall": lambda: design(things.cannonball(k), 110, 110, w, h, 0.03, -8, -10),
        "Thunderball": lambda: design(things.thunderball(k), 100, 100, w, h, 0.02),
        "MynaNewBeam": lambda: design(things.beam(k), 490, 70, w, h, 0.02),
        "ZadaZovoExplosion": lambda: design(things.explosion(k, 12, poop=True), 190, 190, w, h, 0.02),
        "ExplosionFeedback": lambda: design(things.explosion(k, 12), 190, 190, w, h, 0.02),
        "PowerUp": lambda: design(things.power_up_glow(k), 100, 100, w, h, 0.02),
        "PowerUpCollectedFeedBack": lambda: design(things.collected_sparkle(k), 130, 130, w, h, 0.02),
        "PeckUsedFeedback": lambda: design(things.peck_swoosh(k), 110, 110, w, h, 0.02, 0, 0),
        "DeathByMeteorAnim": lambda: design(things.meteor_death(k), 190, 190, w, h, 0.02),
        "DeathByUFOAnim": lambda: design(things.ufo_abduction(k), 140, 190, w, h, 0.02, 0, 0),
        "ButtonSmashFeedback": lambda: design(things.smash_prompt(k), 130, 120, w, h, 0.03, -10, 8),
        "FlappyHazardBottom": lambda: design(things.pipe(k, True), 96, 340, w, h, 0.02, 0, -27),
        "FlappyHazardTop": lambda: design(things.pipe(k, False), 96, 340, w, h, 0.02, 0, -27),
        "ZurododavadLockOn": lambda: design(things.lock_on(k), 510, 50, w, h, 0.01),
        "ZurododavadLockOnOn": lambda: design(things.lock_on(k, True), 510, 50, w, h, 0.01),
        "ZurododavadBossBeam": lambda: design(things.beam(k, "#ffffff", "#f0c8ff", "#c56bff", 32, 5),
                                              490, 76, w, h, 0.02),
        "L4Boss": lambda: design(things.saucer(k), 180, 150, w, h, 0.03, 0, 4),
        "PirateShip": lambda: design(things.pirate_ship(k), 270, 180, w, h, 0.03, 0, -18),
        "PirateBeam": lambda: design(things.pirate_beam(k), 72, 500, w, h, 0.0),
    }
    if name in sheets:
        return sheets[name]()
    return None


def transition_bird():
    """The screen wipe: a round navy bird whose body covers the whole
    screen once the wipe has grown to full size."""
    return (circle(0, 0, 96, "#2e2842", 0) +
            circle(0, 0, 92, "#3a3350", 6) +
            circle(32, -34, 12, WHITE, 4) + circle(35, -34, 6, INK, 0) +
            poly([(56, -22), (84, -14), (56, -6)], "#ffcf3f", 4) +
            highlight(-40, -50, 24, 10, 0.15))


# ---- full-screen pictures ------------------------------------------------------------

def picture(name, k, w, h):
    if name in scenes.STORY:
        return full(scenes.storyboard(name), w, h)
    wins = {"Player1WinScene": 1, "Player2WinScene": 2, "GameDrawScene": 0}
    if name in wins:
        return full(scenes.win_scene(wins[name]), w, h)
    if name == "AA_Brennic_Logo":
        return ui.brennic_logo(w, h)
    if name in ("AA_Talvik_Logo", "TalvikLogo"):
        return ui.talvik_logo(w, h)
    if name == "AA_Controller_Logo":
        return ui.controller_logo(w, h)
    if name == "AA_Loading_Screen":
        return ui.loading_cell(k, w, h)
    return None


DRAWERS = (screens_art.screens_art, menu, character_texture, level_texture, hud_texture, world_texture, picture,
           menu_scenery.menu_scenery, egg_level.egg_level_texture, runner_art.draw,
           practice.practice_texture, food_court.food_court, story_art.draw, boss_level.boss_level_texture)


def draw(name, k, w, h, entry):
    if name in ("ZuvaFlap", "ZuvaPeck", "ZuvaFall"):
        return enemy_zuva(name, k, w, h)
    for drawer in DRAWERS:
        if drawer is menu:
            result = drawer(name, w, h)
        else:
            result = drawer(name, k, w, h)
        if result is not None:
            return result
    raise KeyError("no drawing for texture " + name)
