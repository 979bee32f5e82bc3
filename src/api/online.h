#pragma once
// Online play as the title's Online screen sees it: the addresses to give a
// friend, the recently joined ones, and leaving the menus for an online game
// (the wiring then runs the lockstep game and comes back to the Online screen
// with the line it ended with).

#include <string>
#include <vector>

namespace api {

// The usual port (a guest's when the address names none), and the range a host's choice keeps to.
int OnlinePort();
constexpr int kLowestOnlinePort = 1024;
constexpr int kHighestOnlinePort = 65535;
constexpr int kLeastInputDelay = 1;
constexpr int kMostInputDelay = 8;
// The port to host on and the input delay the player chose last (kept with the
// player's settings; the usual port and 3 frames at first).
int ChosenHostPort();
int ChosenInputDelay();
// Keeps the player's choices; they are written with the settings.
void KeepOnlineChoices(int port, int inputDelay);
// This machine's addresses a friend can join ("192.168.1.20"), loopback left out.
std::vector<std::string> HostAddresses();
// The addresses last joined, newest first.
std::vector<std::string> RecentAddresses();
// Whether `text` can be joined at all (letters, digits, . : - [ ]).
bool JoinableAddress(const std::string& text);

// Ends the menus and starts an online game as host, or joining `address`
// (remembered among the recent ones), with `inputDelay` frames (1..8).
void HostOnline(int inputDelay, int port);
void JoinOnline(const std::string& address, int inputDelay);

// Why the last online game ended ("The other player left the online match.");
// empty when none was played since the game started. Taken: the next call
// answers empty.
std::string TakeOnlineEnd();
// Whether there is such a line waiting (the loading screen then opens the Online screen).
bool OnlineEndWaiting();

}  // namespace api
