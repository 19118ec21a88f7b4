#pragma once

// A device-space point of an emitted outline.
struct PathPoint {
    int x;
    int y;
};

// Receives the figures of an outline: a move, straight edges and cubic Bezier curves (three points each,
// starting at the current position). The Windows build replays them into a device context's path.
class PathSink {
public:
    virtual ~PathSink() = default;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void PolyBezierTo(const PathPoint* points, int count) = 0;
};
