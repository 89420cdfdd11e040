// The fish template: the fields every fish class has, and every operation the
// classes share, written once. A fish class derives from CFishModel, passes
// its description (fish_class.h) to the constructor and keeps its named
// operations as one-line forwarders; only what truly differs it writes by hand.
//
// Angles are degrees; heading 0 faces the fish toward falling x, 180 toward
// rising x. Every random number comes from crt::rand(), in an order that is
// part of the behaviour.
#pragma once
#include "fish/fish_class.h"
#include "platform/wintypes.h"

class CFishModel {
public:
    explicit CFishModel(const FishClass& fishClass);
    virtual ~CFishModel() = default;

    const FishClass& Class() const { return *m_pClass; }

    // ---- shared small operations ----
    // Sends (x, y, z) transformed by m_fPartMatrix, with the normal and the
    // texture coordinate as given; scales nothing.
    void EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);
    // m_fPartMatrix := the rotation by angleDeg about (ax, ay, az).
    void SetPartRotation(float angleDeg, float ax, float ay, float az);
    // Toward target by step, then kept in 0.025..0.05 (a class may leave the speed alone).
    void ApproachSpeed(float step, float target);
    // Mode 0: 0 or 180 at random; 1: flip; others: nothing. Then kept in 0..180.
    void TurnHeading(float unused, bool unusedFlag, int mode);
    // Modes 7 (step up or down), 0 (15..29 back toward level), 3 (negate), 5 (by 1); then kept in -45..45.
    void TurnPitch(float step, bool up, int mode);
    // Whole part of size +- amount, kept in 4..8.
    void ChangeSize(float amount, bool grow);

    // ---- swimming ----
    void Move();
    void UpdateDirFlags();
    void KeepInSwimBox();
    void Wander();
    void SetSwimStyle(float targetSpeed, float unused1, float unused2, BYTE stroke);
    void SetSwimBox(float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6);
    void SetBodyDims();
    void UpdateHitBox();
    bool IsInDepthBand() const;
    void Drift();
    // The drawn pitch follows m_fPitch by one degree.
    void EaseShownPitch();

    // ---- body animation ----
    // Advances a block's phase on every (cadence + 2)-th call; a phase above
    // 2 pi restarts at 0.
    static void StepPhase(FishWave& wave, int cadence);
    // Runs one generator of the plan into out[0..n-1].
    void ComputeWave(const WaveGen& gen, float* out, int n);
    // Runs generator `step` of the class's plan into out[0..n-1].
    void ComputePlanStep(int step, float* out, int n) { ComputeWave(Class().plan[step], out, n); }
    void ComputeSineWave(const WaveGen& gen, float* out, int n);
    void ComputeGrowingWave(const WaveGen& gen, float* out, int n);
    void ComputeBodyWave(const WaveGen& gen, float* out, int n);
    void ComputeMirroredWave(const WaveGen& gen, float* out, int n);
    void ComputeWaveByHand(const WaveGen& gen, float* out, int n);
    void ComputeRamp(const WaveGen& gen, float* out, int n);  // plain or reverse
    // The ramp, then the block's counter counts the call and flips the stroke flag.
    void ComputeRampToggle(const WaveGen& gen, float* out, int n);
    void ComputeBendToHeading(float* out, int n, float target);

    // ---- drawing ----
    // The value of a track at a point of a part.
    float Sample(const Track& track, const FishFrame& frame, const GridPoint& point) const;
    // The strip emitter of every grid part.
    void DrawGridPart(const GridPart& part, const FishFrame& frame);
    // Part i of the class.
    void DrawPartAt(int i, const FishFrame& frame) { DrawGridPart(Class().parts[i], frame); }
    // The whole per-frame update and draw of a fish (the class's Draw), in
    // the template's order.
    void DrawFrame(int variant);
    // Its steps.
    void ComputeWaves(FishFrame& frame);
    void StandUp();  // push, stand the model up, turn and tilt it
    // The sine and cosine of the heading in radians, as the tilt's axis takes them.
    void HeadingSinCos(float& sinH, float& cosH) const;
    void DrawParts(const FishFrame& frame);

    // ---- fields, in the template's order ----
    BYTE m_bAlive = 1;
    float m_fPartMatrix[16] = {};
    int m_nSize = 5;
    BYTE m_bStroke = 1;
    float m_fSpeed = 0.05f;
    float m_fPitch = 0.0f;  // target pitch
    int m_nTargetHeading = 0;
    float m_fShownPitch = 0.0f;
    BYTE m_bNoWander = 0;
    BYTE m_bHit = 0;
    float m_fHeading = 0.0f;
    int m_nBendCounter = 0;
    BYTE m_bBendReached = 0;
    BYTE m_bBendSettled = 0;
    int m_nBendAngle[kFishMaxSegments] = {};
    float m_fLastTarget = 0.0f;
    FishWave m_Wave[kFishMaxWaves] = {};
    float m_fDriftLimit = 0.008f;
    float m_fDrift = 0.0f;
    float m_fDriftStep = 0.002f;
    float m_fPos[3] = {0.0f, 0.0f, 0.0f};
    BYTE m_bDir[12] = {};
    float m_fSwimBox[6] = {};  // x min, x max, y top, y bottom, z limit, (unread)
    int m_nWallState = 0;      // 0 none, 1 x min, 2 x max, 3 far z, 4 near z, 5 top, 6 bottom
    int m_nSwimState = 8;      // 8: swimming freely
    int m_nWanderTimer = 0;
    float m_fBodyDims[3] = {};
    float m_fHitBox[6] = {};  // x max, x min, y max, y min, z max, z min
    float m_fOuterBox[6] = {};
    float m_fFrontCorner[3] = {};
    float m_fBackCorner[3] = {};
    BYTE m_bBusy = 0;
    int m_nDrawVariant = 0;

    // ---- the same fields under the names some class descriptions use ----
    //   m_fTargetPitch            m_fPitch (the target pitch; Move and the hit box use it)
    //   m_fPitch (the drawn one)  m_fShownPitch
    //   m_mPart                   m_fPartMatrix
    //   m_nBend                   m_nBendAngle
    //   m_fLastTargetHeading      m_fLastTarget
    //   m_aWave (FISHWAVE)        m_Wave (FishWave: m_fPhase phase, m_nCounter counter,
    //                             m_fFreq waveNumber, m_fAmp amplitude, m_fStep phaseStep)
    //   m_fX, m_fY, m_fZ          m_fPos[0..2]
    //   m_bDirFlags               m_bDir
    //   m_fBox                    m_fSwimBox
    //   m_nWanderCounter          m_nWanderTimer
    //   m_nDrawMode               m_nDrawVariant
    //   m_fHitBox (the body axis's end points x1 y1 z1 x2 y2 z2)
    //                             AxisEnd(0..5): m_fFrontCorner, then m_fBackCorner
    //   m_fBodyDims[3..8]         m_fHitBox;  m_fBodyDims[9..14]  m_fOuterBox
    float& TargetPitch() { return m_fPitch; }
    float TargetPitch() const { return m_fPitch; }
    float AxisEnd(int i) const { return i < 3 ? m_fFrontCorner[i] : m_fBackCorner[i - 3]; }

private:
    const FishClass* m_pClass;
};
