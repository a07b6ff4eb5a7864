#include "VideoSurface.h"

VideoSurface::~VideoSurface() = default;
