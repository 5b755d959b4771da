// The engine tests' written-out forms, shared so the row display is checked against text that
// owes nothing to the engine's table.
#include "../engine/ReferenceForms.cpp"
