#include <array>
#include <cmath>
#include <functional>

#include "pictures/Figure.h"
#include "pictures/PictureSet.h"

// The character sheets: one animation per row of 200 x 100 frames; frames 0..11 in
// Char.png, the rest in Char2.png. Rows 1..10 empty-handed, rows 13..22 carrying a key.
namespace {

constexpr int kFrameW = 200, kFrameH = 100, kRows = 22, kFirstSheetFrames = 12, kLongestRow = 28;

Limb runLeg(float phase) {
    const float thigh = 0.8f * std::sin(phase);
    const float c = std::max(0.0f, std::cos(phase));
    return {thigh, thigh - 0.1f - 1.7f * c * c};
}

Limb runArm(float phase) {
    const float upper = -0.85f * std::sin(phase) + 0.15f;
    return {upper, upper + 1.4f};
}

Pose run(int i, int n) {
    const float p = 2 * kPi * i / n;
    Pose pose;
    pose.hip.x = 96;
    pose.lean = 0.36f + 0.04f * std::sin(2 * p);
    pose.headTilt = -0.22f;
    pose.nearLeg = runLeg(p);
    pose.farLeg = runLeg(p + kPi);
    pose.nearArm = runArm(p + kPi);
    pose.farArm = runArm(p);
    groundPose(pose);
    pose.hip.y -= 1.5f * std::max(0.0f, std::sin(2 * p + 0.8f));  // a little float after each push
    pose.scarf = {-1.3f, -1.75f, 0.6f, std::fmod(2.0f * i / n, 1.0f)};
    return pose;
}

Pose airborne(Limb nearLeg, Limb farLeg, Limb nearArm, Limb farArm, float lean, Scarf scarf) {
    Pose pose;
    pose.hip = {98, 49};
    pose.lean = lean;
    pose.nearLeg = nearLeg;
    pose.farLeg = farLeg;
    pose.nearArm = nearArm;
    pose.farArm = farArm;
    pose.scarf = scarf;
    return pose;
}

Pose jumpRunning(int i, int) {
    const float ph = i / 3.0f;
    switch (i) {
        case 0: return airborne({-0.5f, -0.7f}, {1.2f, 0.1f}, {1.6f, 2.2f}, {-0.8f, -0.3f}, 0.25f, {-1.0f, -0.6f, 0.3f, ph});
        case 1: return airborne({-0.6f, -1.5f}, {1.0f, 0.5f}, {2.0f, 2.5f}, {-1.0f, -0.6f}, 0.2f, {-1.05f, -0.7f, 0.3f, ph});
        default: return airborne({0.6f, -0.5f}, {1.1f, 0.0f}, {1.4f, 2.2f}, {0.6f, 1.4f}, 0.15f, {-1.2f, -1.0f, 0.3f, ph});
    }
}

Pose jump(int i, int) {
    const float ph = i / 4.0f;
    switch (i) {
        case 0: return airborne({0.05f, -0.05f}, {-0.08f, -0.15f}, {2.5f, 2.8f}, {2.3f, 2.6f}, 0.05f, {-0.5f, -0.2f, 0.3f, ph});
        case 1: return airborne({0.4f, 0.0f}, {0.2f, -0.2f}, {2.0f, 2.4f}, {1.7f, 2.2f}, 0.08f, {-0.6f, -0.3f, 0.3f, ph});
        case 2: return airborne({1.1f, 0.0f}, {0.8f, -0.3f}, {1.5f, 1.9f}, {1.2f, 1.6f}, 0.1f, {-1.0f, -0.9f, 0.3f, ph});
        default: return airborne({0.3f, 0.1f}, {-0.1f, -0.3f}, {2.6f, 3.0f}, {2.4f, 2.8f}, 0.0f, {-1.5f, -1.8f, 0.35f, ph});
    }
}

Pose fall(int i, int n) {
    const float q = 2 * kPi * i / n;
    auto leg = [](float ph, float base) {
        const float thigh = base + 0.3f * std::sin(ph);
        return Limb{thigh, thigh - 0.6f - 0.3f * std::cos(ph)};
    };
    auto arm = [](float ph, float base) {
        const float upper = base + 0.25f * std::sin(ph);
        return Limb{upper, upper + 0.5f};
    };
    return airborne(leg(q, 0.35f), leg(q + kPi, 0.05f), arm(q, 2.35f), arm(q + kPi, 2.1f), -0.05f,
                    {-1.75f, -1.95f, 0.5f, std::fmod(2.0f * i / n, 1.0f)});
}

// The throwing arm's path, shared by the running and jumping throws: wind back over the
// shoulder, whip over the top, follow through low.
struct TossKey {
    Limb nearArm, farArm;
    float lean, arc;
};
constexpr std::array<TossKey, 4> kQuickToss{{{{-2.3f, -2.9f}, {1.2f, 1.6f}, 0.05f, 0},
                                              {{2.3f, 1.9f}, {0.2f, 0.6f}, 0.35f, 1.7f},
                                              {{1.0f, 0.6f}, {-0.5f, -0.2f}, 0.45f, 1.2f},
                                              {{0.3f, 0.9f}, {-0.2f, 0.4f}, 0.3f, 0}}};

Pose runToss(int i, int) {
    Pose pose = run(3 + 4 * i, 21);
    pose.nearArm = kQuickToss[i].nearArm;
    pose.farArm = kQuickToss[i].farArm;
    pose.lean = kQuickToss[i].lean;
    pose.throwArc = kQuickToss[i].arc;
    pose.headTilt = -0.1f;
    return pose;
}

Pose jumpToss(int i, int) {
    const TossKey& k = kQuickToss[i];
    Pose pose = airborne({0.9f, 0.0f}, {0.5f, -0.4f}, k.nearArm, k.farArm, k.lean, {-1.5f, -1.9f, 0.35f, i / 4.0f});
    pose.throwArc = k.arc;
    return pose;
}

Pose standToss(int i, int) {
    static constexpr float upper[10] = {-0.5f, -1.5f, -2.4f, 3.3f, 2.1f, 1.1f, 0.4f, 0.15f, 0.05f, 0.0f};
    static constexpr float bend[10] = {-0.4f, -0.7f, -0.6f, -0.5f, -0.2f, -0.3f, 0.4f, 0.5f, 0.4f, 0.3f};
    static constexpr float lean[10] = {0.02f, -0.1f, -0.16f, -0.02f, 0.25f, 0.4f, 0.42f, 0.32f, 0.18f, 0.08f};
    static constexpr float aim[10] = {0.3f, 1.0f, 1.3f, 1.2f, 0.3f, -0.4f, -0.5f, -0.3f, -0.1f, 0.05f};
    static constexpr float step[10] = {0.0f, -0.05f, -0.1f, 0.05f, 0.3f, 0.4f, 0.4f, 0.35f, 0.2f, 0.05f};
    static constexpr float arc[10] = {0, 0, 0, 0.6f, 1.2f, 1.0f, 0.6f, 0, 0, 0};
    Pose pose;
    pose.hip.x = 98;
    pose.lean = lean[i];
    pose.nearArm = {upper[i], upper[i] + bend[i]};
    pose.farArm = {aim[i], aim[i] + 0.4f};
    pose.nearLeg = {step[i], step[i] - 0.15f};
    pose.farLeg = {-0.6f * step[i] - 0.02f, -0.6f * step[i] - 0.3f};
    pose.throwArc = arc[i];
    groundPose(pose);
    pose.scarf = {-0.45f - 1.6f * lean[i], -1.2f - 1.2f * lean[i], 0.25f, i / 10.0f};
    return pose;
}

Pose stand(int i, int n) {
    const float b = std::sin(2 * kPi * i / n);
    Pose pose;
    pose.hip.x = 99;
    pose.lean = 0.04f + 0.015f * b;
    pose.headTilt = -0.04f * b;
    pose.breath = 0.6f + 0.6f * b;
    pose.nearLeg = {0.08f, -0.02f};
    pose.farLeg = {-0.06f, -0.12f};
    pose.nearArm = {-0.12f + 0.05f * b, 0.15f + 0.05f * b};
    pose.farArm = {0.12f - 0.04f * b, 0.45f - 0.04f * b};
    pose.blink = i == n - 6;
    groundPose(pose);
    pose.scarf = {-0.45f + 0.1f * std::cos(2 * kPi * i / n), -1.25f + 0.2f * b, 0.25f, static_cast<float>(i) / n};
    return pose;
}

struct Animation {
    int row;
    int frames, framesWithKey;
    bool airborne;
    std::function<Pose(int, int)> pose;
};

const std::vector<Animation>& animations() {
    static const std::vector<Animation> list = {
        {1, 21, 21, false, run},      {2, 3, 3, true, jumpRunning},  {3, 4, 4, true, jump},
        {4, 9, 9, true, fall},        {6, 4, 4, false, runToss},     {7, 4, 4, true, jumpToss},
        {9, 10, 10, false, standToss}, {10, 28, 27, false, stand},
    };
    return list;
}

}  // namespace

void addCharacterSheets(PictureSet& set) {
    Canvas first(kFrameW * kFirstSheetFrames, kFrameH * kRows);
    Canvas second(kFrameW * (kLongestRow - kFirstSheetFrames), kFrameH * kRows);
    for (const Animation& a : animations()) {
        for (int key = 0; key < 2; ++key) {
            const int frames = key ? a.framesWithKey : a.frames;
            const int row = a.row + 12 * key;
            for (int f = 0; f < frames; ++f) {
                Pose pose = a.pose(f, frames);
                if (key) {
                    pose.carriesKey = true;
                    pose.farArm = a.airborne ? Limb{0.9f, 2.1f} : Limb{0.55f + 0.05f * std::sin(2 * kPi * f / frames), 1.85f};
                }
                Canvas frame(kFrameW, kFrameH);
                drawFigure(frame, pose, {100, 90}, 1);
                Canvas& sheet = f < kFirstSheetFrames ? first : second;
                const int column = f < kFirstSheetFrames ? f : f - kFirstSheetFrames;
                sheet.draw(frame, column * kFrameW, (row - 1) * kFrameH);
            }
        }
    }
    add(set, "Char.png", first);
    add(set, "Char2.png", second);
}
