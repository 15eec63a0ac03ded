// SPDX-License-Identifier: MIT
#pragma once

#include "platform/web/gl.h"

// A point of the model's plane z = 0 in clip coordinates, through the model-view and projection
// matrices as GL gives them (column by column): what the web's selection and raster position need.
inline void toClip(
    const GLfloat* model, const GLfloat* projection, GLfloat x, GLfloat y, GLfloat clip[4])
{
    GLfloat eye[4];
    for (int i = 0; i < 4; ++i)
        eye[i] = model[i] * x + model[4 + i] * y + model[12 + i];
    for (int i = 0; i < 4; ++i)
        clip[i] = projection[i] * eye[0] + projection[4 + i] * eye[1] + projection[8 + i] * eye[2]
            + projection[12 + i] * eye[3];
}
