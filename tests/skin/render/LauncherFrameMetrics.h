#pragma once
// The launcher skin's [FORMINFO] frame metrics (main picture 184 x 141), for tests of the frame rules.
#include "skin/render/FrameGeometry.h"

namespace skintest {

inline skin::FormFrameMetrics launcherMetrics() {
    skin::FormFrameMetrics m;
    m.pictureWidth = 184;
    m.pictureHeight = 141;
    m.leftTopPoint = {16, 34};
    m.rightTopPoint = {67, 34};
    m.leftBottomPoint = {12, 127};
    m.rightBottomPoint = {174, 128};
    m.clientRect = {8, 28, 179, 134};
    m.captionRect = {7, 4, 91, 20};
    m.buttonsRect = {108, 7, 175, 25};
    m.buttonsOffset = 5;
    m.maskRectArea = {4, 4, 179, 137};
    m.hitTestLeftTopPoint = {10, 9};
    m.hitTestRightTopPoint = {174, 11};
    m.hitTestLeftBottomPoint = {6, 132};
    m.hitTestRightBottomPoint = {177, 132};
    return m;
}

} // namespace skintest
