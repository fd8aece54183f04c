! Prints the edit table of the layout writer: one row per value and edit descriptor, with the
! field exactly as the GNU Fortran runtime writes it. Rows:
!   R|descriptor|value|[field]      a real edited by the descriptor (kP prefixes included)
!   I|descriptor|value|[field]      an integer
!   A|descriptor|text|[field]       a text
!   W|width.digits|value|[field]    the report number writer's choice of layout for the value
! Values are printed with 17 significant digits so that a reader gets the identical double.
! Regenerate: gfortran -O0 edit_table.f90 -o edit_table && ./edit_table > edit_table.txt
program edit_table
  use, intrinsic :: ieee_arithmetic
  implicit none
  integer, parameter :: dp = kind(1.0d0), i8 = selected_int_kind(18)
  integer, parameter :: out = 6
  real(dp), allocatable :: general(:), gvals(:), wvals(:)
  character(len=24), allocatable :: fdesc(:), edesc(:), gdesc(:), pdesc(:)
  integer :: i, j, w, d, s, k
  real(dp) :: p
  character(len=24) :: desc
  integer :: widths(10) = [5, 8, 10, 11, 12, 13, 14, 15, 16, 18]
  integer :: pdigits(3) = [4, 5, 8]
  integer :: wwidth(16) = [12, 12, 12, 12, 12, 13, 11, 9, 19, 18, 14, 8, 5, 15, 16, 10]
  integer :: wdigits(16) = [4, 5, 6, 3, 8, 5, 5, 4, 5, 5, 5, 4, 2, 8, 8, 1]

  general = [0.0_dp, -0.0_dp, 1.0_dp, -1.0_dp, 0.5_dp, -0.5_dp, 0.125_dp, 0.375_dp, &
             -0.125_dp, 0.0625_dp, 2.5_dp, 3.5_dp, 1.5_dp, -2.5_dp, 0.05_dp, 0.005_dp, &
             9.9999_dp, 9.99949_dp, 9.9995_dp, 0.99995_dp, 0.999949_dp, 0.999995_dp, &
             99999.5_dp, 123.456_dp, -123.456_dp, 1234.5678_dp, -98765.4321_dp, &
             3.14159265358979_dp, -0.001_dp, -0.0049_dp, -0.005_dp, -0.0051_dp, 0.0999_dp, &
             0.1_dp, 0.0995_dp, 99.5_dp, 999.5_dp, 9.5_dp, 0.95_dp, 0.45_dp, 1.0e-5_dp, &
             1.0e-60_dp, 1.0e-99_dp, 9.9999e-100_dp, 1.0e-100_dp, 1.0e-101_dp, &
             9.99999e99_dp, 1.0e100_dp, 1.5e100_dp, 1.0e15_dp, 1.234567890123e10_dp, &
             1.0e20_dp, -1.0e20_dp, 1.7976931348623157e308_dp, 2.2250738585072014e-308_dp, &
             4.9406564584124654e-324_dp, 0.10000000149011612_dp, 0.009999999776482582_dp, &
             10000.0_dp, 12345.678_dp, 999999.4_dp, 1.0e9_dp, 2.0e10_dp, &
             ieee_value(1.0_dp, ieee_positive_inf), ieee_value(1.0_dp, ieee_negative_inf), &
             ieee_value(1.0_dp, ieee_quiet_nan)]

  ! Fixed point: the layouts' own F fields and the number writer's F(w).(d).
  fdesc = [character(len=24) :: 'F1.0', 'F2.0', 'F2.1', 'F3.0', 'F3.2', 'F4.1', 'F4.3', &
           'F5.0', 'F5.2', 'F5.3', 'F6.3', 'F8.3', 'F9.1', 'F9.2', 'F10.1', 'F10.2', &
           'F10.3', 'F10.4', 'F11.3', 'F11.4', 'F12.3', 'F12.4', 'F13.5', 'F14.6', &
           'F15.4', 'F16.4', 'F17.4', 'F17.6', 'F18.4', 'F19.4', 'F20.3']
  do i = 1, size(fdesc)
    do j = 1, size(general)
      call real_row(trim(fdesc(i)), general(j))
    end do
  end do
  do w = 5, 18
    do d = 0, 9
      if (d + 2 > w) cycle
      write(desc, '("F",I0,".",I0)') w, d
      do j = 1, size(general), 3
        call real_row(trim(desc), general(j))
      end do
    end do
  end do

  ! Scientific forms, with and without the scale factor, and kP carried to F fields.
  edesc = [character(len=24) :: 'E9.3', 'E9.4', 'E10.4', 'E11.4', 'E12.5', 'E13.5', &
           'E14.5', 'E15.8', 'E18.8', 'E20.8', '1PE12.4', '1PE12.5', '1PE13.5', '1P,E12.5', &
           '1P,E15.8', '1P,E18.8', '1P,E20.8', '1PE9.4', '1PE10.4', '2P,E12.5', '3PE12.4', &
           '0PE12.5', '-1P,E12.5', '-2PE13.5', '1P,F10.3', '1P,F13.5', '2P,F9.2', &
           '-1P,F10.4', '-2P,F8.1', '-3P,F8.0', '1P,0P,E12.5']
  do i = 1, size(edesc)
    do j = 1, size(general)
      call real_row(trim(edesc(i)), general(j))
    end do
  end do
  do i = 1, size(widths)
    do k = 1, size(pdigits)
      write(desc, '("1PE",I0,".",I0)') widths(i), pdigits(k)
      do j = 1, size(general), 2
        call real_row(trim(desc), general(j))
      end do
    end do
  end do

  ! General form: the boundaries between fixed and scientific for every decimal count.
  gdesc = [character(len=24) :: 'G3.2', 'G6.2', 'G8.2', 'G9.2', 'G9.3', 'G10.1', 'G10.2', &
           'G10.3', 'G10.4', 'G11.3', 'G12.3', 'G12.4', 'G12.5', 'G13.4', 'G15.4', &
           'G17.3', 'G20.3', '1P,G10.2', '1P,G12.5', '2P,G10.3', '-1P,G12.4']
  do i = 1, size(gdesc)
    read(gdesc(i)(index(gdesc(i), '.') + 1:), *) d
    gvals = [general, 0.1_dp - 0.5_dp * 10.0_dp**(-d - 1), 0.0999_dp, 0.09999_dp, &
             -0.1_dp, 10.0_dp**d, -10.0_dp**d]
    do s = 0, d
      p = 10.0_dp**s
      gvals = [gvals, p, p - 0.5_dp * 10.0_dp**(s - d), p - 0.51_dp * 10.0_dp**(s - d), &
               p - 0.49_dp * 10.0_dp**(s - d), -(p - 0.5_dp * 10.0_dp**(s - d)), 0.7_dp * p]
    end do
    do j = 1, size(gvals)
      call real_row(trim(gdesc(i)), gvals(j))
    end do
  end do

  ! Integers.
  pdesc = [character(len=24) :: 'I1', 'I2', 'I3', 'I4', 'I5', 'I6', 'I7', 'I8', 'I9', 'I10', &
           'I11', 'I12', 'I2.2', 'I3.2', 'I4.2', 'I5.3', 'I3.0', 'I1.0', 'I6.6']
  do i = 1, size(pdesc)
    call int_row(trim(pdesc(i)), 0_i8)
    call int_row(trim(pdesc(i)), 1_i8)
    call int_row(trim(pdesc(i)), -1_i8)
    call int_row(trim(pdesc(i)), 5_i8)
    call int_row(trim(pdesc(i)), 9_i8)
    call int_row(trim(pdesc(i)), 10_i8)
    call int_row(trim(pdesc(i)), -9_i8)
    call int_row(trim(pdesc(i)), -10_i8)
    call int_row(trim(pdesc(i)), 99_i8)
    call int_row(trim(pdesc(i)), 100_i8)
    call int_row(trim(pdesc(i)), -100_i8)
    call int_row(trim(pdesc(i)), 12345_i8)
    call int_row(trim(pdesc(i)), -123456_i8)
    call int_row(trim(pdesc(i)), 2147483647_i8)
    call int_row(trim(pdesc(i)), -2147483648_i8)
    call int_row(trim(pdesc(i)), 12345678901_i8)
  end do

  ! Texts.
  pdesc = [character(len=24) :: 'A', 'A1', 'A3', 'A4', 'A6', 'A8', 'A26', 'A32']
  do i = 1, size(pdesc)
    call text_row(trim(pdesc(i)), 'IN')
    call text_row(trim(pdesc(i)), 'LBS')
    call text_row(trim(pdesc(i)), 'kN-m  ')
    call text_row(trim(pdesc(i)), ' PILE GROUP')
    call text_row(trim(pdesc(i)), 'ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789')
  end do

  ! The report number writer: its layout chosen from width, digits and the value.
  wvals = [general, -0.10000000149011612_dp, 0.1000000014901161_dp, 0.10000000149011613_dp, &
           0.001_dp, 0.0010000000474974513_dp, 0.0009999999310821295_dp, 1.0e-3_dp, &
           0.01_dp, 0.00999999977648258_dp, 100000.0_dp, 99999.99_dp, 9999.9999_dp, &
           9999.99999_dp, 1000.0_dp, 999.99_dp, 1.0e6_dp, 1.0e8_dp, 99999999.0_dp, 1.0e-50_dp, &
           0.99e-50_dp, -1.0e-51_dp, 0.0500001_dp, 0.00500001_dp, -0.05_dp, 0.9999999_dp, &
           1.0e-4_dp, 1.0e-5_dp, 9.99999e-5_dp, 0.011_dp, 0.0011_dp, 0.25_dp, 7.0_dp, 70.0_dp, &
           700.0_dp, 7000.0_dp, -7000.0_dp, 70000.0_dp, 0.07_dp, 0.007_dp, 0.0007_dp]
  do i = 1, size(wwidth)
    do j = 1, size(wvals)
      if (ieee_is_nan(wvals(j)) .or. .not. ieee_is_finite(wvals(j))) cycle
      call number_row(wwidth(i), wdigits(i), wvals(j))
    end do
  end do

contains

  subroutine real_row(fmt, x)
    character(len=*), intent(in) :: fmt
    real(dp), intent(in) :: x
    write(out, '("R|",A,"|",A,"|[")', advance='no') fmt, value_text(x)
    write(out, '(' // fmt // ')', advance='no') x
    write(out, '("]")')
  end subroutine

  subroutine int_row(fmt, n)
    character(len=*), intent(in) :: fmt
    integer(i8), intent(in) :: n
    write(out, '("I|",A,"|",I0,"|[")', advance='no') fmt, n
    write(out, '(' // fmt // ')', advance='no') n
    write(out, '("]")')
  end subroutine

  subroutine text_row(fmt, text)
    character(len=*), intent(in) :: fmt, text
    write(out, '("A|",A,"|",A,"|[")', advance='no') fmt, text
    write(out, '(' // fmt // ')', advance='no') text
    write(out, '("]")')
  end subroutine

  ! The number writer's rule: lower = 10.0**(3-c) and upper = 10.0**c in single precision;
  ! zero below 1.0E-50; fixed point with c - n decimals inside (lower, upper) unless that is
  ! more than c + 2; otherwise 1PEw.c.
  subroutine number_row(w, c, v)
    integer, intent(in) :: w, c
    real(dp), intent(in) :: v
    real :: lower4, upper4
    real(dp) :: lower, upper
    integer :: n, dec
    character(len=50) :: fmt
    lower4 = 10.0**(3 - c)
    upper4 = 10.0**c
    lower = lower4
    upper = upper4
    if (v == 0.0_dp .or. abs(v) < 1.0e-50_dp) then
      write(fmt, '("(   1F",I2.2,".",I2.2,")")') w, c
      call number_out(w, c, fmt, v, 0.0_dp)
    else if (abs(v) > lower .and. abs(v) < upper) then
      n = int(log10(abs(v)))
      if (n < 0) n = n - 1
      dec = c - n
      if (dec > c + 2) then
        write(fmt, '("(1P,1E",I2.2,".",I2.2,")")') w, c
      else
        write(fmt, '("(   1F",I2.2,".",I2.2,")")') w, dec
      end if
      call number_out(w, c, fmt, v, v)
    else
      write(fmt, '("(1P,1E",I2.2,".",I2.2,")")') w, c
      call number_out(w, c, fmt, v, v)
    end if
  end subroutine

  ! One W row: the value given to the writer and the field written with `fmt` for `x`.
  subroutine number_out(w, c, fmt, v, x)
    integer, intent(in) :: w, c
    character(len=*), intent(in) :: fmt
    real(dp), intent(in) :: v, x
    write(out, '("W|",I0,".",I0,"|",A,"|[")', advance='no') w, c, value_text(v)
    write(out, fmt, advance='no') x
    write(out, '("]")')
  end subroutine

  function value_text(x) result(t)
    real(dp), intent(in) :: x
    character(len=:), allocatable :: t
    character(len=40) :: buf
    write(buf, '(ES24.16E3)') x
    t = trim(adjustl(buf))
  end function

end program edit_table
