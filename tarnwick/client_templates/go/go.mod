module project_name

go 1.13