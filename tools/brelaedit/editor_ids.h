// Identifiers of the editor's resources, shared by its resource script and its window code.
#pragma once

#define IDD_EDITOR 100
#define IDR_EDITOR_MENU 101
#define IDR_EDITOR_KEYS 102

// The quiz's settings.
#define IDC_TITLE 1001
#define IDC_AUTHOR 1002
#define IDC_EXPLANATION 1003
#define IDC_KIND 1004
#define IDC_ANSWERS 1005
#define IDC_CAPTION1 1006
#define IDC_CAPTION2 1007
#define IDC_REVEAL_MODE 1008
#define IDC_COLOUR_SAMPLE 1009
#define IDC_COLOUR 1010
#define IDC_CODES 1011
#define IDC_CAPTION1_LABEL 1012
#define IDC_CAPTION2_LABEL 1013
#define IDC_REVEAL_MODE_LABEL 1014
#define IDC_CODES_LABEL 1019

// The questions.
#define IDC_QUESTIONS 1020
#define IDC_ADD 1021
#define IDC_INSERT 1022
#define IDC_DELETE 1023
#define IDC_MOVE_UP 1024
#define IDC_MOVE_DOWN 1025

// The selected question's fields, each after its label.
#define IDC_QUESTION_TEXT_LABEL 1030
#define IDC_QUESTION_TEXT 1031
#define IDC_ANSWER1_LABEL 1032
#define IDC_ANSWER1 1033
#define IDC_ANSWER2_LABEL 1034
#define IDC_ANSWER2 1035
#define IDC_REVEAL_TEXT_LABEL 1036
#define IDC_REVEAL_TEXT 1037
#define IDC_PICTURE_LABEL 1038
#define IDC_PICTURE 1039
#define IDC_CHOOSE_PICTURE 1040
#define IDC_ANSWER_PICTURE_LABEL 1041
#define IDC_ANSWER_PICTURE 1042
#define IDC_CHOOSE_ANSWER_PICTURE 1043
#define IDC_PREVIEW 1044
#define IDC_ANSWER_PREVIEW 1045
#define IDC_QUESTION_GROUP 1046
#define IDC_SOUND_LABEL 1047
#define IDC_SOUND 1048
#define IDC_CHOOSE_SOUND 1049
#define IDC_FILM_LABEL 1060
#define IDC_FILM 1061
#define IDC_CHOOSE_FILM 1062

// Problems, actions, status.
#define IDC_PROBLEMS 1050
#define IDC_TRY 1051
#define IDC_MAKE 1052
#define IDC_STATUS 1053
#define IDC_PROBLEMS_LABEL 1054
#define IDC_PROBLEM_DETAIL 1055

// Menu commands and shortcuts.
#define IDM_NEW 2001
#define IDM_OPEN 2002
#define IDM_SAVE 2003
#define IDM_SAVE_AS 2004
#define IDM_QUIT 2005
#define IDM_UNDO_DELETE 2006
#define IDM_DELETE_KEY 2007
