#pragma once

// Everything the Extensions library offers, for callers that use several of its parts.
#include <Extensions/ButtonValue.h>
#include <Extensions/DegreesText.h>
#include <Extensions/Geometry.h>
#include <Extensions/TextDrawing.h>
#include <Extensions/Titles.h>
