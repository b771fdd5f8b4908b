#pragma once
// Messages of the model views.
namespace murena::views {

// Shown instead of the 3D view when no OpenGL context with the fixed-function
// calls it draws with can be made; the rest of the program keeps working.
inline constexpr const char* kNoOpenGLMessage =
    "The 3-D View cannot be shown: no suitable OpenGL context could be created on this display.\n"
    "The 3-D View needs OpenGL (version 1.1 or later, compatibility profile).";
// A drawing call of the 3D view left OpenGL in its invalid-operation state.
inline constexpr const char* kOpenGLOperationMessage = "operation cannot be performed between glBegin and glEnd";

// Titles and captions.
inline constexpr const char* kSideViewTitle = "Side View";
inline constexpr const char* kSideViewLabel = "Wall Profile";
inline constexpr const char* kSideViewPrintJob = "Soil-Pile Profile";
inline constexpr const char* k3DViewTitle = "3-D View";
inline constexpr const char* k3DViewMenu = "Show 3DView";
inline constexpr const char* kDeformedShapeTitle = "Deformed Shape";

}  // namespace murena::views
