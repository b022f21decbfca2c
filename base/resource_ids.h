// The resources of a quiz executable: what the player reads, the resource script declares and the
// authoring tool writes. Plain macros, so that resource compilers read them too.
#pragma once

// The packed quiz and its progress codes, of type "PATCH".
#define IDR_QUIZ 104
#define IDR_CODES 105

// Of type "IMG": the picture, sound or film of question n is IDR_MEDIA_BASE + n, the picture that
// a right answer reveals IDR_ANSWER_PICTURE_BASE + n.
#define IDR_MEDIA_BASE 400
#define IDR_ANSWER_PICTURE_BASE 10400

#define IDD_BOARD 1001
#define IDC_HAND_CURSOR 1003  // not IDC_HAND: <windows.h> defines that name
#define IDI_PLAY 1004
#define IDI_STOP 1005

#ifndef RC_INVOKED
constexpr const char* QUIZ_RESOURCE_TYPE = "PATCH";
// Type names match without regard to case: the player looks media up as "img" or "IMG" alike.
constexpr const char* MEDIA_RESOURCE_TYPE = "IMG";
#endif
