#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorva {

// What a point of the credit history stands for: a settled paid spin, or one of the player's
// own moves, which the statistics plot marks.
enum class TCreditEvent : uint8_t { Spin, Borrow, PayBack, NewGame, LoadedGame };

struct TCreditPoint {
    int64_t SpinNumber = 0; // paid spins settled in this run when the point was taken
    int32_t Credits = 0;
    TCreditEvent Event = TCreditEvent::Spin;
};

// The credits over this run of the program, kept for the statistics plot and never saved.
// Memory stays bounded however long auto spin runs: when the history is full, spin points are
// thinned to every other one and from then on only every second spin is kept. The latest spin
// and the marks survive thinning; marks give way only when they alone fill half the history.
class TCreditHistory {
  public:
    static constexpr std::size_t DefaultCapacity = 2048;

    // Not explicit, so a session can still be built as TGameSession{}.
    TCreditHistory() : TCreditHistory(DefaultCapacity) {}
    explicit TCreditHistory(std::size_t capacity);

    // The credits the run began with, the point at spin 0 that the plot starts from.
    void Begin(int32_t credits);
    void AddSpin(int32_t credits);
    void Mark(TCreditEvent event, int32_t credits);

    const std::vector<TCreditPoint>& Points() const { return points_; }
    int64_t SpinsSettled() const { return spinsSettled_; }
    std::size_t Capacity() const { return capacity_; }

  private:
    void Append(const TCreditPoint& point);
    void Thin();
    bool Kept(const TCreditPoint& point) const;

    std::size_t capacity_;
    std::vector<TCreditPoint> points_;
    int64_t spinsSettled_ = 0;
    int64_t spinStride_ = 1;
};

} // namespace zorva
