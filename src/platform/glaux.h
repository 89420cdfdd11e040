// Solid and wire shapes drawn with GLU quadrics. Each shape and size is
// compiled into a display list the first time it is drawn (and drawn then);
// later calls with the same size in the same GL context replay that list. Each
// context has lists of its own.
#pragma once

// A filled sphere about the origin: 16 slices, 16 stacks, smooth normals.
void auxSolidSphere(double radius);
// An open cylinder in lines along the y axis, centred on the origin (from
// y = -height / 2 to y = height / 2): 12 slices, 2 stacks.
void auxWireCylinder(double radius, double height);
