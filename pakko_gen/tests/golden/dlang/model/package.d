public import vec2_int;
public import single;
public import unit_kind;
public import squad;
public import team;
public import command;
public import nothing;
public import grid;
