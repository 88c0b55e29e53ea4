#pragma once
// Person and place data: input values of the two data sets, names and cities records.

struct PeopleState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
