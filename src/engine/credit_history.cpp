#include "engine/credit_history.h"

#include <algorithm>
#include <limits>

namespace zorva {

namespace {

constexpr std::size_t SmallestCapacity = 8;

} // namespace

TCreditHistory::TCreditHistory(std::size_t capacity) : capacity_(std::max(capacity, SmallestCapacity)) {
    points_.reserve(capacity_);
}

void TCreditHistory::Begin(int32_t credits) {
    Append({0, credits, TCreditEvent::Spin});
}

void TCreditHistory::AddSpin(int32_t credits) {
    ++spinsSettled_;
    // A spin off the stride stood in only as the latest one; the new spin takes its place.
    if (!points_.empty() && !Kept(points_.back()))
        points_.pop_back();
    Append({spinsSettled_, credits, TCreditEvent::Spin});
}

void TCreditHistory::Mark(TCreditEvent event, int32_t credits) {
    Append({spinsSettled_, credits, event});
}

void TCreditHistory::Append(const TCreditPoint& point) {
    points_.push_back(point);
    if (points_.size() >= capacity_)
        Thin();
}

bool TCreditHistory::Kept(const TCreditPoint& point) const {
    return point.Event != TCreditEvent::Spin || point.SpinNumber % spinStride_ == 0;
}

void TCreditHistory::Thin() {
    // A history of marks alone thins over and over; the stride stops short of overflowing.
    if (spinStride_ <= std::numeric_limits<int64_t>::max() / 2)
        spinStride_ *= 2;
    const TCreditPoint latest = points_.back();
    points_.pop_back();
    std::erase_if(points_, [this](const TCreditPoint& point) { return !Kept(point); });
    const auto marks = std::count_if(points_.begin(), points_.end(), [](const TCreditPoint& point) {
        return point.Event != TCreditEvent::Spin;
    });
    // Only a player who borrows a thousand times over gets here; every other mark goes.
    if (static_cast<std::size_t>(marks) >= capacity_ / 2) {
        bool drop = false;
        std::erase_if(points_, [&drop](const TCreditPoint& point) {
            if (point.Event == TCreditEvent::Spin)
                return false;
            drop = !drop;
            return drop;
        });
    }
    points_.push_back(latest);
}

} // namespace zorva
