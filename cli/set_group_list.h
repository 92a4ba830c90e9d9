// The groups of "program-cli set", one line each (no include guard: this
// list is expanded with different meanings of SET_GROUP, see set_groups.h).
SET_GROUP(optional)
SET_GROUP(dtmf)
SET_GROUP(side_key)
SET_GROUP(two_tone)
SET_GROUP(msk)
SET_GROUP(squelch)
