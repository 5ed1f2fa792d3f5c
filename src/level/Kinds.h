#pragma once

#include <iterator>
#include <string_view>

// Kind numbers are the level format; the names are for the code.
namespace Kind {
inline constexpr int Decoration = 0;
inline constexpr int Foreground = 1;
inline constexpr int Pencil = 2;
inline constexpr int Ink = 3;
inline constexpr int PlatformDown = 4;
inline constexpr int PlatformUp = 5;
inline constexpr int PlatformRight = 6;
inline constexpr int PlatformLeft = 7;
inline constexpr int Key = 10;
inline constexpr int ClosedDoor = 11;
inline constexpr int OpenDoor = 12;
inline constexpr int ArrowRight = 13;
inline constexpr int ArrowLeft = 14;
inline constexpr int ArrowUp = 15;
inline constexpr int ArrowDown = 16;
inline constexpr int FlyingArrow = 17;
inline constexpr int Checkpoint = 18;
inline constexpr int Goal = 19;
inline constexpr int CameraTrigger = 20;
inline constexpr int Page = 21;
}  // namespace Kind

// Which rule of the world's frame steps an object of the kind.
enum class Step { None, Platform, Key, FlyingArrow, Checkpoint, Goal, CameraTrigger, Page };

// A platform's way of moving, or the way a resting arrow flies once set off.
enum class Motion { None, Down, Up, Right, Left };

// How the first object layer shows the kind; keys come over it and foreground decoration last.
enum class Drawing { Picture, Hidden, KeyOnTop, CheckpointStrip, OpenDoorStrip, ClosedDoorStrip };

struct KindRoles {
    std::string_view name;       // as the level checker calls it
    bool known = true;           // false: a number without a role, lasting solid terrain
    bool foreground = false;     // kept apart from the main list, which is all that the rules see
    bool solidToBox = false;     // stops the player, keys and platforms
    bool solidToCircle = false;  // stops the boomerang
    bool rubbedOut = false;      // by the boomerang, the flight's ball and flying arrows
    bool boredByArrows = false;  // flying arrows cut through it
    bool lasting = false;        // nothing in play ever moves it or takes it away
    Step step = Step::None;
    Motion platform = Motion::None;
    Motion launch = Motion::None;  // a resting arrow's flight
    Drawing drawing = Drawing::Picture;
};

namespace detail {
inline constexpr KindRoles kUnknownKind{
    .name = "terrain without a role", .known = false, .solidToBox = true, .solidToCircle = true, .lasting = true};

constexpr KindRoles platform(std::string_view name, Motion way) {
    return {.name = name, .solidToBox = true, .solidToCircle = true, .step = Step::Platform, .platform = way};
}
constexpr KindRoles restingArrow(std::string_view name, Motion way) {
    return {.name = name, .solidToBox = true, .solidToCircle = true, .launch = way};
}

inline constexpr KindRoles kKinds[] = {
    {.name = "decoration"},
    {.name = "foreground decoration", .foreground = true},
    {.name = "pencil", .solidToBox = true, .rubbedOut = true, .boredByArrows = true},
    {.name = "ink", .solidToBox = true, .solidToCircle = true, .boredByArrows = true, .lasting = true},
    platform("platform moving down", Motion::Down),
    platform("platform moving up", Motion::Up),
    platform("platform moving right", Motion::Right),
    platform("platform moving left", Motion::Left),
    kUnknownKind,
    kUnknownKind,
    {.name = "key", .step = Step::Key, .drawing = Drawing::KeyOnTop},
    {.name = "closed door", .solidToBox = true, .solidToCircle = true, .drawing = Drawing::ClosedDoorStrip},
    {.name = "open door", .drawing = Drawing::OpenDoorStrip},
    restingArrow("arrow pointing right", Motion::Right),
    restingArrow("arrow pointing left", Motion::Left),
    restingArrow("arrow pointing up", Motion::Up),
    restingArrow("arrow pointing down", Motion::Down),
    {.name = "flying arrow", .step = Step::FlyingArrow},
    {.name = "checkpoint", .step = Step::Checkpoint, .drawing = Drawing::CheckpointStrip},
    {.name = "goal", .step = Step::Goal, .drawing = Drawing::Hidden},
    // The one thing touched rather than solid that the boomerang bounces off.
    {.name = "camera trigger", .solidToCircle = true, .step = Step::CameraTrigger, .drawing = Drawing::Hidden},
    // A sketchbook page, taken by the player or the flight's ball that touches it.
    {.name = "page", .step = Step::Page},
};
}  // namespace detail

// What a kind is and does; 8, 9, 22 and up and negative numbers get the unknown kind's roles.
constexpr const KindRoles& kindRoles(int kind) {
    return kind >= 0 && kind < static_cast<int>(std::size(detail::kKinds)) ? detail::kKinds[kind]
                                                                           : detail::kUnknownKind;
}

constexpr bool isPlatform(int kind) { return kindRoles(kind).step == Step::Platform; }
// Nothing but the drawing ever looks at the picture: no rule touches it or changes its kind.
constexpr bool onlyDrawn(int kind) {
    const KindRoles& r = kindRoles(kind);
    return r.known && !r.solidToBox && !r.solidToCircle && !r.rubbedOut && !r.boredByArrows && r.step == Step::None &&
           r.launch == Motion::None && r.drawing == Drawing::Picture;
}
// Nothing in play moves an object of the kind or changes its kind (pencil loses pixels only).
constexpr bool staysPut(int kind) {
    const KindRoles& r = kindRoles(kind);
    return r.step == Step::None && r.platform == Motion::None && r.launch == Motion::None &&
           r.drawing == Drawing::Picture;
}
constexpr bool isHorizontalPlatform(int kind) {
    const Motion m = kindRoles(kind).platform;
    return m == Motion::Right || m == Motion::Left;
}
constexpr bool isVerticalPlatform(int kind) {
    const Motion m = kindRoles(kind).platform;
    return m == Motion::Down || m == Motion::Up;
}
constexpr bool isRestingArrow(int kind) { return kindRoles(kind).launch != Motion::None; }
