#pragma once

#include "core/demonetwork.h"
#include "core/network.h"

#include <optional>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief An exercise is a seed 0 ... 9999; the same seed gives the same fourteen weights on every
/// machine, so a class works one network from one code on the board.
inline constexpr int kExerciseSeedCount = 10000;

/// @brief The exercise's code: the seed as four digits, a dash and a check digit ("4821-7"). The
/// check digit is Damm's, which refuses every code with one wrong digit and every code with two
/// neighbouring digits swapped (the check digit included).
std::string exerciseCode(int seed);

/// @brief The fourteen whole weights 1 ... 20 of exercise @p seed, link 1 first. They come from a
/// generator of our own (splitmix64, rejection for an even spread), not from the standard
/// library's distributions, whose output differs between library implementations.
LinkWeights exerciseWeights(int seed);

/// @brief @p network with the weights of exercise @p seed: whole numbers 1 ... 20 drawn link by
/// link, link 1 first, from the same sequence, so that the demonstration network's weights are
/// exerciseWeights(seed). The nodes and links stay as they are.
Network exerciseNetwork(const Network& network, int seed);

/// @brief What reading a typed code gave: the seed, or the Indonesian reason it was refused.
struct ExerciseCodeReading
{
    std::optional<int> seed;
    std::string error; ///< empty where the code was read
};

/// @brief Reads a typed code leniently: blanks and dashes (also "–") anywhere are ignored, so
/// "4821-7", "48217" and " 4821 - 7 " are the same code. Anything else, a count of digits other
/// than five, or a wrong check digit is refused with a message that says what to do.
ExerciseCodeReading readExerciseCode(std::string_view text);

} // namespace trayeko
