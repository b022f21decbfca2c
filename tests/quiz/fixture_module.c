/* A module that only carries resources: the loader's tests read quizzes from it. */
int BrelaFixtureModule(void) { return 0; }
