#pragma once
// A long list kept in pieces that copies share: a copy costs a pointer a piece, not a copy of
// every item, and a change copies only the piece it is in, and only while a copy shares it. The
// preview hands copies of its text and verdicts to work in the background and goes on editing its
// own, without copying them whole on the window's thread.

#include "varnel/common/DBC.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace varnel {

template <typename Item>
class SharedPieces {
    using Piece = std::vector<Item>;
    using Pieces = std::vector<std::shared_ptr<Piece>>;

public:
    // Items a piece holds at most: one is copied quickly, and millions of items make few pieces.
    static constexpr std::size_t piece_size = 1024;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Item;
        using difference_type = std::ptrdiff_t;
        using pointer = const Item*;
        using reference = const Item&;

        const_iterator() = default;
        reference operator*() const { return (*(*pieces)[piece])[offset]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            // No piece is empty, so the next item is in this piece or the first of the next.
            if (++offset == (*pieces)[piece]->size()) {
                ++piece;
                offset = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& other) const {
            return piece == other.piece && offset == other.offset;
        }

    private:
        friend class SharedPieces;
        const_iterator(const Pieces* pieces, std::size_t piece) : pieces(pieces), piece(piece) {}

        const Pieces* pieces = nullptr;
        std::size_t piece = 0;
        std::size_t offset = 0;
    };

    SharedPieces() = default;
    explicit SharedPieces(std::vector<Item> items) {
        for (Item& item : items) {
            push_back(std::move(item));
        }
    }

    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const_iterator begin() const { return {&pieces, 0}; }
    const_iterator end() const { return {&pieces, pieces.size()}; }

    // Precondition (all three): the item is there.
    const Item& operator[](std::size_t at) const {
        DBC_PRECONDITION(at < count);
        const std::size_t piece = piece_of(at);
        return (*pieces[piece])[at - starts[piece]];
    }
    const Item& front() const { return (*this)[0]; }
    const Item& back() const { return (*this)[count - 1]; }

    // Precondition: at < size().
    void set(std::size_t at, Item item) {
        DBC_PRECONDITION(at < count);
        const std::size_t piece = piece_of(at);
        writable(piece)[at - starts[piece]] = std::move(item);
    }

    void push_back(Item item) {
        if (pieces.empty() || pieces.back()->size() >= piece_size) {
            starts.push_back(count);
            pieces.push_back(std::make_shared<Piece>());
            pieces.back()->reserve(piece_size);
        }
        writable(pieces.size() - 1).push_back(std::move(item));
        ++count;
    }

    // Puts the items before the one at at, sharing their pieces. Precondition: at <= size().
    void insert(std::size_t at, const SharedPieces& items) {
        DBC_PRECONDITION(at <= count);
        const auto piece = static_cast<std::ptrdiff_t>(cut_before(at));
        pieces.insert(pieces.begin() + piece, items.pieces.begin(), items.pieces.end());
        index();
    }

    // Precondition: first + removed <= size().
    void erase(std::size_t first, std::size_t removed) {
        DBC_PRECONDITION(first + removed <= count);
        const auto begin = static_cast<std::ptrdiff_t>(cut_before(first));
        const auto end = static_cast<std::ptrdiff_t>(cut_before(first + removed));
        pieces.erase(pieces.begin() + begin, pieces.begin() + end);
        index();
    }

    bool operator==(const SharedPieces& other) const {
        return count == other.count && std::equal(begin(), end(), other.begin());
    }

private:
    std::size_t piece_of(std::size_t at) const {
        return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), at) -
                                        starts.begin()) -
               1;
    }

    // The piece, copied first while a copy of the list shares it.
    Piece& writable(std::size_t piece) {
        if (pieces[piece].use_count() > 1) {
            pieces[piece] = std::make_shared<Piece>(*pieces[piece]);
        }
        return *pieces[piece];
    }

    // Cuts the piece that holds the item at at, unless the item is first in it; returns the
    // number of the piece that the item begins (the number of pieces for at == size()).
    std::size_t cut_before(std::size_t at) {
        if (at == count) {
            return pieces.size();
        }
        const std::size_t piece = piece_of(at);
        const auto offset = static_cast<std::ptrdiff_t>(at - starts[piece]);
        if (offset == 0) {
            return piece;
        }
        const Piece& whole = *pieces[piece];
        auto rest = std::make_shared<Piece>(whole.begin() + offset, whole.end());
        pieces[piece] = std::make_shared<Piece>(whole.begin(), whole.begin() + offset);
        pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(piece) + 1, std::move(rest));
        index();
        return piece + 1;
    }

    void index() {
        starts.resize(pieces.size());
        count = 0;
        for (std::size_t piece = 0; piece < pieces.size(); ++piece) {
            starts[piece] = count;
            count += pieces[piece]->size();
        }
    }

    Pieces pieces;
    // The number of the first item of each piece.
    std::vector<std::size_t> starts;
    std::size_t count = 0;
};

} // namespace varnel
