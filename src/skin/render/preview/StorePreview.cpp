#include "skin/render/preview/StorePreview.h"

namespace skin {

FormFrameMetrics formFrameMetrics(const SkinData& store) {
    const SkinFormInfo& f = store.formInfo();
    FormFrameMetrics m;
    m.pictureWidth = store.mainPicture().width();
    m.pictureHeight = store.mainPicture().height();
    m.leftTopPoint = f.leftTopPoint;
    m.rightTopPoint = f.rightTopPoint;
    m.leftBottomPoint = f.leftBottomPoint;
    m.rightBottomPoint = f.rightBottomPoint;
    m.clientRect = f.clientRect;
    m.captionRect = f.captionRect;
    m.buttonsRect = f.buttonsRect;
    m.buttonsOffset = f.buttonsOffset;
    m.buttonsInLeft = f.buttonsInLeft;
    m.maskRectArea = f.maskRectArea;
    m.hitTestLeftTopPoint = f.hitTestLeftTopPoint;
    m.hitTestRightTopPoint = f.hitTestRightTopPoint;
    m.hitTestLeftBottomPoint = f.hitTestLeftBottomPoint;
    m.hitTestRightBottomPoint = f.hitTestRightBottomPoint;
    return m;
}

FramePreviewSkin framePreviewSkin(const SkinData& store) {
    const SkinFormInfo& f = store.formInfo();
    FramePreviewSkin s;
    s.metrics = formFrameMetrics(store);
    s.stretch = {f.leftStretch, f.topStretch, f.rightStretch, f.bottomStretch};
    s.picture = &store.mainPicture();
    s.inactivePicture = &store.inactiveMainPicture();
    s.mask = &store.maskPicture();
    s.background = store.activePicture(f.bgPictureIndex);
    s.autoRenderingInactiveImage = f.autoRenderingInActiveImage;
    s.inactiveEffect = int(f.inActiveEffect);
    return s;
}

} // namespace skin
