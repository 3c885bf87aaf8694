var files_dup =
[
    [ "tazmix.h", "tazmix_8h_source.html", null ]
];