// The bridge from the table to the compact model of a hand (src/model): the
// hand on the table as it stands, and the hand as one side sees it with the
// cards it cannot see filled in by the caller (a player that thinks ahead
// samples them).
#pragma once

#include "Position.h"
#include "Sharp.h"

#include <cstdint>
#include <optional>
#include <span>

class FrmMain;

// The hand on the table at a point of rest, or once a hand is dealt
// (TableView::HandDealt). The pile keeps the order in which its cards were
// discarded (cards whose discard the record of the hand does not hold lie at
// the bottom, in card order). The stock holds its cards in card order: the
// table draws at random from it and keeps no order, so a caller that plays
// forward shuffles it (Position::ShuffleStock). No turn cap.
Model::Position ModelOfTable(const FrmMain& table);

// The hand as `sees` shows it to one side (Dorvil's when `dorvil`, else the
// player's), with that side to move, its card taken this turn or not
// (`drawn`), and what it cannot see given: the rival's hand and the stock,
// bottom first (the card drawn next last). The pile's top card is the face
// card unless the side took the face card this turn (after Classic Dorvil
// ended a turn without a discard, the top card is taken for a face card all
// the same: the player may take it, as the window lets him). Nothing when the
// cards given do not fit what the side sees: every card in one place, the
// rival's count and the stock's.
// The cards a side cannot see: those in its rival's hand and in the stock,
// which a caller of ModelSeenFrom deals between them.
Rules::Mask UnseenCards(const Sharp::SideSees& sees);

std::optional<Model::Position> ModelSeenFrom(const Sharp::SideSees& sees, bool dorvil, bool drawn,
                                             Rules::Mask rivalHand, std::span<const uint8_t> stock);
