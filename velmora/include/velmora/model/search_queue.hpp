#pragma once
// The search's queue: a binary heap whose entries leave smallest estimate
// first, then larger tie-break. Which of two entries with equal estimate and
// equal tie-break leaves first is decided by how the heap moves its entries;
// it is part of a match's outcome, so the heap moves them exactly as
// std::pop_heap and std::push_heap always have.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "velmora/model/entity.hpp"

namespace velmora::model::pathfind {

// Estimate and tie-break are packed into one number, the estimate above the
// inverted tie-break, so that the order is a single comparison: tie-breaks
// are random, and two branches on them mispredict half the time. Coordinates
// are held in 16 bits to keep the entries small.
struct QueueEntry {
    unsigned __int128 key;
    usize cost;
    std::uint16_t x;
    std::uint16_t y;
};

inline unsigned __int128 queue_key(usize estimate, std::uint32_t tie_break) {
    return (static_cast<unsigned __int128>(estimate) << 32) | static_cast<std::uint32_t>(~tie_break);
}

// The heap's order: the top is the entry with the smallest key.
struct Below {
    bool operator()(const QueueEntry& a, const QueueEntry& b) const { return a.key > b.key; }
};

inline void push(std::vector<QueueEntry>& heap, const QueueEntry& entry) {
    heap.push_back(entry);
    std::push_heap(heap.begin(), heap.end(), Below{});
}

// Takes the top entry off a non-empty heap with std::pop_heap's moves, but
// picks the child to follow without a branch: which child wins is as random
// as the tie-breaks.
inline QueueEntry pop_top(std::vector<QueueEntry>& heap) {
    const QueueEntry top = heap.front();
    const std::size_t len = heap.size() - 1;
    if (len > 0) {
        const QueueEntry value = heap.back();
        std::size_t hole = 0;
        std::size_t child = 0;
        while (child < (len - 1) / 2) {
            child = 2 * (child + 1);
            child -= static_cast<std::size_t>(Below{}(heap[child], heap[child - 1]));
            heap[hole] = heap[child];
            hole = child;
        }
        if ((len & 1) == 0 && child == (len - 2) / 2) {
            child = 2 * (child + 1);
            heap[hole] = heap[child - 1];
            hole = child - 1;
        }
        while (hole > 0) {
            const std::size_t parent = (hole - 1) / 2;
            if (!Below{}(heap[parent], value)) break;
            heap[hole] = heap[parent];
            hole = parent;
        }
        heap[hole] = value;
    }
    heap.pop_back();
    return top;
}

}  // namespace velmora::model::pathfind
