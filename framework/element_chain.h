// The faceplate chain, written once in faceplate order.
//
// The host draws a gauge's elements as one chain: the background first, then each element over the ones
// before it, every element pointing at the next through a one-entry child list. An instrument lists its
// elements top to bottom and lets the chain link them, so the order on the faceplate is read in one place:
//
//     // com_radio_faceplate.h: the numbers in drawing order, ending in their count
//     enum Element : int { BACKGROUND = 1, ACTIVE_DISPLAY, STANDBY_DISPLAY, POWER_KNOB,
//                          ELEMENT_COUNT = POWER_KNOB };
//
//     // com_radio.cpp: the elements declared, then chained in faceplate order
//     extern ELEMENT_STATIC_IMAGE background;
//     extern ELEMENT_STRING active_display, standby_display;
//     extern ELEMENT_ICON power_knob;
//     constexpr auto faceplate = element_chain(background, active_display, standby_display, power_knob);
//     static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");
//
//     // each element names its own number; the chain gives it the link to the element after it
//     ELEMENT_ICON power_knob = {element_header(ELEMENT_TYPE_ICON, 0x1400, 26, 61,
//                                               faceplate.after(POWER_KNOB, power_knob)), ...};
//
// `after` is evaluated by the compiler: an element that names a number other than its place in the chain
// does not build, so the enum the tests and scripts use always names the element drawn there.
#pragma once

#include "gauge_abi.h"

#include <cstddef>

namespace {

// Not constexpr: reaching one of these while the compiler evaluates a chain stops the build, and the
// message names it.
inline void element_number_outside_the_chain() {}
inline void element_named_by_another_elements_number() {}

template <std::size_t N>
struct ElementChain {
    static_assert(N >= 1, "a faceplate has at least its background");

    ELEMENT_HEADER* order[N];       // the elements in faceplate order, background first
    ELEMENT_HEADER* links[N][2];    // links[i]: the one-entry child list of element i, ended by null

    static constexpr std::size_t size() { return N; }

    // The child list of element `number` (1 = the background), null for the last one. Fails to compile
    // when `self` is not the element at that place of the chain.
    template <class Element>
    consteval ELEMENT_HEADER* const* after(int number, const Element& self) const
    {
        if (number < 1 || static_cast<std::size_t>(number) > N) element_number_outside_the_chain();
        else if (order[number - 1] != &self.header) element_named_by_another_elements_number();
        return number >= 1 && static_cast<std::size_t>(number) < N ? links[number - 1] : nullptr;
    }
};

// The chain of the given elements (records with a `header`), in faceplate order.
template <class... Element>
consteval ElementChain<sizeof...(Element)> element_chain(Element&... elements)
{
    ElementChain<sizeof...(Element)> chain{};
    std::size_t i = 0;
    ((chain.order[i++] = &elements.header), ...);
    for (std::size_t k = 0; k < sizeof...(Element); ++k) {
        chain.links[k][0] = k + 1 < sizeof...(Element) ? chain.order[k + 1] : nullptr;
        chain.links[k][1] = nullptr;
    }
    return chain;
}

} // namespace
